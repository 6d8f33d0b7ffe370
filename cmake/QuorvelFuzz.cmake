# libFuzzer targets (clang only): one executable fuzz_<name> for each fuzz/<name>.cpp, linked
# against the core libraries, which a fuzz build compiles instrumented. The targets feed the
# readers and checkers bytes in memory. Only the fuzz targets are built by default in a fuzz
# build; the other targets stay available by name.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUORVEL_FUZZ needs clang (configure with CXX=clang++)")
endif()

# The exact solver builds its 15x15 tables at compile time, which takes clang more evaluation
# steps than it allows by default.
set(quorvel_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=undefined -fno-omit-frame-pointer -fconstexpr-steps=50000000
    -fsanitize-coverage-ignorelist=${CMAKE_SOURCE_DIR}/cmake/fuzz_coverage_ignore.txt)

get_target_property(quorvel_fuzz_libraries quorvel_core INTERFACE_LINK_LIBRARIES)
foreach(library IN LISTS quorvel_fuzz_libraries)
    get_target_property(type ${library} TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
        target_compile_options(${library} PRIVATE ${quorvel_fuzz_flags})
    endif()
endforeach()

# Run once the whole project is configured, so targets added after this file are covered too.
function(quorvel_fuzz_build_only_fuzz_targets)
    get_property(targets DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT target MATCHES "^fuzz_")
            set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL TRUE)
        endif()
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quorvel_fuzz_build_only_fuzz_targets)

file(GLOB quorvel_fuzz_targets CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(source IN LISTS quorvel_fuzz_targets)
    get_filename_component(name ${source} NAME_WE)
    add_executable(fuzz_${name} ${source})
    target_link_libraries(fuzz_${name} PRIVATE quorvel_core)
    target_compile_options(fuzz_${name} PRIVATE ${quorvel_fuzz_flags})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_compile_definitions(fuzz_${name} PRIVATE QUORVEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endforeach()
