# quorvel-tool's command-line contracts: every tests/tool/*.cases file runs as its own test,
# each command checked byte for byte against the output written under it (see run_cases.py).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB tool_case_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cases)
foreach(cases IN LISTS tool_case_files)
    get_filename_component(name ${cases} NAME_WE)
    add_test(NAME tool_${name}
        COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/run_cases.py
            $<TARGET_FILE:quorvel-tool> ${cases})
    set_tests_properties(tool_${name} PROPERTIES LABELS core)
endforeach()
