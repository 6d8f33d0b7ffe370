# Helpers that turn the source folders into targets, so adding a file never means editing CMake.

# quorvel_core_library(name "dir;dir..." deps...): a static library of every .cpp directly in the
# given folders (view subfolders are not included: they belong to the Qt layer).
function(quorvel_core_library name dirs)
    set(sources "")
    foreach(dir IN LISTS dirs)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARGN})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
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
