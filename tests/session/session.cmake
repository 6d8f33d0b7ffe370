# Session scripts: every tests/session/*.script runs through `quorvel-tool session` as its own
# test, checked against the expectations written in the script (see run_script.py).
quorvel_file_tests(session ${CMAKE_CURRENT_LIST_DIR}/run_script.py
    ${CMAKE_CURRENT_LIST_DIR}/*.script)

# Random sessions with invariants checked after every line (tests/session/random).
file(GLOB random_session_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/random/*.cpp)
add_executable(random-sessions ${random_session_sources})
target_include_directories(random-sessions PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(random-sessions PRIVATE quorvel_core)
# A bounded run for CI (about a minute); `make soak` runs for half an hour. Its first seeds are
# kept on purpose: seeds 1 and 2 break the tips-and-panel invariant on a core whose tips and panel
# lag behind a value being typed.
add_test(NAME random_sessions COMMAND random-sessions --sequences 600 --seconds 60)
set_tests_properties(random_sessions PROPERTIES LABELS core TIMEOUT 600)
