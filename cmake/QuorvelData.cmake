# The shipped data files: the build turns the readable sources in data/ into the scrambled files
# the program reads (type3.pxz, type5.pxz, sudokuhelp.pxz) and puts them next to the executables,
# but only where no such file exists yet, so a rebuild never overwrites the user's puzzles.
#
# This file is included by the top CMakeLists.txt and also runs itself in script mode
# (cmake -DQUORVEL_DATA_STEP=... -P QuorvelData.cmake) for the two build-time steps.

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)
    if(QUORVEL_DATA_STEP STREQUAL "help")
        # The program's text files use CR LF line breaks; the file writer adds the final one.
        file(READ "${SOURCE}" text)
        string(REPLACE "\r\n" "\n" text "${text}")
        string(REGEX REPLACE "\n+$" "" text "${text}")
        string(REPLACE "\n" "\r\n" text "${text}")
        file(WRITE "${OUT}.plain" "${text}")
        execute_process(COMMAND "${TOOL}" scramble "${OUT}.plain"
            OUTPUT_FILE "${OUT}.new" RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "quorvel-tool scramble failed on ${SOURCE}")
        endif()
        file(RENAME "${OUT}.new" "${OUT}")
        file(REMOVE "${OUT}.plain")
    elseif(QUORVEL_DATA_STEP STREQUAL "seed")
        # The program finds its files whatever the case of their names, so "Type3.pxz" left by
        # the program counts as present too.
        file(GLOB present RELATIVE "${DEST}" "${DEST}/*")
        string(TOLOWER "${present}" present)
        string(REPLACE "," ";" names "${FILES}")
        foreach(name IN LISTS names)
            string(TOLOWER "${name}" lower)
            if(NOT lower IN_LIST present)
                # Copied under a temporary name and renamed, so an interrupted build never
                # leaves a half file that would count as present from then on.
                file(COPY_FILE "${FROM}/${name}" "${DEST}/.${name}.part")
                file(RENAME "${DEST}/.${name}.part" "${DEST}/${name}")
                message(STATUS "Shipped data: placed ${name} in ${DEST}")
            endif()
        endforeach()
    else()
        message(FATAL_ERROR "QuorvelData.cmake: unknown step '${QUORVEL_DATA_STEP}'")
    endif()
    return()
endif()

if(NOT TARGET quorvel-tool)
    return()
endif()

set(quorvel_data_dir ${CMAKE_BINARY_DIR}/shipped-data)
set(quorvel_data_files type3.pxz type5.pxz sudokuhelp.pxz)

foreach(size 3 5)
    add_custom_command(
        OUTPUT ${quorvel_data_dir}/type${size}.pxz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${quorvel_data_dir}
        COMMAND quorvel-tool db build ${CMAKE_SOURCE_DIR}/data/type${size}.txt
                ${quorvel_data_dir}/type${size}.pxz
        DEPENDS quorvel-tool ${CMAKE_SOURCE_DIR}/data/type${size}.txt
        COMMENT "Building the shipped puzzle database type${size}.pxz"
        VERBATIM)
endforeach()

add_custom_command(
    OUTPUT ${quorvel_data_dir}/sudokuhelp.pxz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${quorvel_data_dir}
    COMMAND ${CMAKE_COMMAND} -DQUORVEL_DATA_STEP=help
            -DSOURCE=${CMAKE_SOURCE_DIR}/data/sudokuhelp.txt
            -DOUT=${quorvel_data_dir}/sudokuhelp.pxz
            -DTOOL=$<TARGET_FILE:quorvel-tool>
            -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS quorvel-tool ${CMAKE_SOURCE_DIR}/data/sudokuhelp.txt ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Building the help file sudokuhelp.pxz"
    VERBATIM)

list(TRANSFORM quorvel_data_files PREPEND ${quorvel_data_dir}/ OUTPUT_VARIABLE quorvel_data_outputs)
list(JOIN quorvel_data_files "," quorvel_data_names)
# Runs at every build but copies only what is missing next to the executables.
add_custom_target(quorvel_data ALL
    COMMAND ${CMAKE_COMMAND} -DQUORVEL_DATA_STEP=seed
            -DFROM=${quorvel_data_dir}
            -DDEST=${CMAKE_BINARY_DIR}
            -DFILES=${quorvel_data_names}
            -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${quorvel_data_outputs}
    COMMENT "Placing missing shipped data files next to the executables"
    VERBATIM)
