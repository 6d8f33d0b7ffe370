# Helpers that turn the source folders into targets, so adding a file never means editing CMake.

# quorvel_layer(name "dir;dir..." deps...): a static library of every .cpp directly in the given
# folders (subfolders are not included: view folders are layers of their own), linked to `deps`.
# The library compiles against an include root of its own (quorvel_include_root) that holds the
# headers of its folders and of the layers it links to, and nothing else: a header of a layer
# above it is not found, so the build enforces the direction of the layers.
function(quorvel_layer name dirs)
    set(sources "")
    foreach(dir IN LISTS dirs)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp
            ${CMAKE_SOURCE_DIR}/${dir}/*.h)
        list(APPEND sources ${found})
    endforeach()
    set(visible ${dirs})
    foreach(dependency IN LISTS ARGN)
        if(TARGET ${dependency})
            get_target_property(below ${dependency} QUORVEL_LAYER_DIRS)
            if(below)
                list(APPEND visible ${below})
            endif()
        endif()
    endforeach()
    list(REMOVE_DUPLICATES visible)
    quorvel_include_root(${name} "${visible}")
    add_library(${name} STATIC ${sources})
    set_target_properties(${name} PROPERTIES QUORVEL_LAYER_DIRS "${visible}")
    target_include_directories(${name} PUBLIC ${CMAKE_BINARY_DIR}/layers/${name})
    target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# quorvel_include_root(name "dir;dir..."): the folder layers/NAME in the build tree with a link to
# every header directly in the given folders below src/, laid out as in src/.
function(quorvel_include_root name dirs)
    set(root ${CMAKE_BINARY_DIR}/layers/${name})
    file(REMOVE_RECURSE ${root})
    foreach(dir IN LISTS dirs)
        string(REGEX REPLACE "^src/?" "" relative ${dir})
        file(MAKE_DIRECTORY ${root}/${relative})
        file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
        foreach(header IN LISTS headers)
            get_filename_component(leaf ${header} NAME)
            file(CREATE_LINK ${header} ${root}/${relative}/${leaf} SYMBOLIC)
        endforeach()
    endforeach()
endfunction()

# One GoogleTest executable per folder below tests/ (except the Qt view tests).
function(quorvel_core_tests)
    file(GLOB test_dirs LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/*)
    foreach(dir IN LISTS test_dirs)
        get_filename_component(part ${dir} NAME)
        if(NOT IS_DIRECTORY ${dir} OR part STREQUAL "view" OR part STREQUAL "support")
            continue()
        endif()
        file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
        if(NOT sources)
            continue()
        endif()
        file(GLOB support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
        add_executable(test_${part} ${sources} ${support})
        target_include_directories(test_${part} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
        target_link_libraries(test_${part} PRIVATE quorvel_core GTest::gtest_main GTest::gmock)
        target_compile_definitions(test_${part} PRIVATE
            QUORVEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
            QUORVEL_TOOL_PATH="$<TARGET_FILE:quorvel-tool>")
        add_dependencies(test_${part} quorvel-tool)
        gtest_discover_tests(test_${part} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS core)
    endforeach()
endfunction()

# quorvel_file_tests(prefix runner pattern): one ctest per file matching `pattern`, named
# prefix_<file name>, in which the Python `runner` checks quorvel-tool against that file.
function(quorvel_file_tests prefix runner pattern)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    file(GLOB files CONFIGURE_DEPENDS ${pattern})
    foreach(file IN LISTS files)
        get_filename_component(name ${file} NAME_WE)
        add_test(NAME ${prefix}_${name}
            COMMAND Python3::Interpreter ${runner} $<TARGET_FILE:quorvel-tool> ${file})
        set_tests_properties(${prefix}_${name} PROPERTIES LABELS core)
    endforeach()
endfunction()
