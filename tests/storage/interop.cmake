# The storage interop check: quorvel-tool against an independent Python implementation of the
# scrambled file format. Included from the top-level CMakeLists after the tool target exists.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND AND TARGET quorvel-tool)
    add_test(NAME storage_interop
        COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/interop_check.py
            $<TARGET_FILE:quorvel-tool>)
    set_tests_properties(storage_interop PROPERTIES LABELS core)
else()
    message(WARNING "python3 not found: the storage interop check is not registered")
endif()
