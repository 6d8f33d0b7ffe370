# Session scripts: every tests/session/*.script runs through `quorvel-tool session` as its own
# test, checked against the expectations written in the script (see run_script.py).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB session_scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.script)
foreach(script IN LISTS session_scripts)
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME session_${name}
        COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/run_script.py
            $<TARGET_FILE:quorvel-tool> ${script})
    set_tests_properties(session_${name} PROPERTIES LABELS core)
endforeach()
