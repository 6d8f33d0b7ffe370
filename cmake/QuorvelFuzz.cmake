# libFuzzer targets (clang only): one executable fuzz_<name> for each fuzz/<name>.cpp, linked
# against an instrumented copy of the model and storage sources (the readers and checkers; the
# targets feed them bytes in memory and never touch the disk). Only the fuzz targets are built by default
# in a fuzz build; the other targets stay available by name.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUORVEL_FUZZ needs clang (configure with CXX=clang++)")
endif()

set(quorvel_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

# Run once the whole project is configured, so targets added after this file are covered too.
function(quorvel_fuzz_build_only_fuzz_targets)
    get_property(targets DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT target MATCHES "^(fuzz_|quorvel_fuzzed)")
            set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL TRUE)
        endif()
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quorvel_fuzz_build_only_fuzz_targets)

file(GLOB quorvel_fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/model/*.cpp
    ${CMAKE_SOURCE_DIR}/src/storage/*.cpp)
add_library(quorvel_fuzzed STATIC ${quorvel_fuzz_sources})
target_include_directories(quorvel_fuzzed PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(quorvel_fuzzed PRIVATE ${quorvel_fuzz_flags})
target_link_libraries(quorvel_fuzzed PUBLIC pugixml::pugixml)

file(GLOB quorvel_fuzz_targets CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(source IN LISTS quorvel_fuzz_targets)
    get_filename_component(name ${source} NAME_WE)
    add_executable(fuzz_${name} ${source})
    target_link_libraries(fuzz_${name} PRIVATE quorvel_fuzzed)
    target_compile_options(fuzz_${name} PRIVATE ${quorvel_fuzz_flags})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endforeach()
