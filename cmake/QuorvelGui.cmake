# The Qt layer: widgets that render the core's state, the program, and their offscreen tests.
set(CMAKE_AUTOMOC ON)
# The views stand on the window they render: the grid views on the grid window, the print page on
# the print command, the main window's views on the main window (and the grid views they hold).
quorvel_layer(quorvel_grid_view src/views/grid quorvel_grid_window Qt6::Widgets)
quorvel_layer(quorvel_print_view src/views/print quorvel_commands quorvel_grid_view
    Qt6::PrintSupport)
quorvel_layer(quorvel_shell_view src/views/shell quorvel_main_window quorvel_grid_view)
add_library(quorvel_gui INTERFACE)
target_link_libraries(quorvel_gui INTERFACE quorvel_shell_view quorvel_print_view
    quorvel_grid_view quorvel_core)

file(GLOB app_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/programs/quorvel/*.cpp)
add_executable(quorvel ${app_sources})
target_link_libraries(quorvel PRIVATE quorvel_gui)

# Each view test is its own QtTest executable, run on the offscreen platform.
file(GLOB view_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/view/*.cpp)
foreach(source IN LISTS view_tests)
    get_filename_component(name ${source} NAME_WE)
    add_executable(view_${name} ${source})
    target_include_directories(view_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(view_${name} PRIVATE quorvel_gui Qt6::Test)
    target_compile_definitions(view_${name} PRIVATE QUORVEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_test(NAME view_${name} COMMAND view_${name})
    set_tests_properties(view_${name} PROPERTIES LABELS view
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
# The layout check runs again at twice the size, as on a high-density screen.
add_test(NAME view_layout_fit_scale2 COMMAND view_layout_fit)
set_tests_properties(view_layout_fit_scale2 PROPERTIES LABELS view
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
# The hint panel's fit runs on three screens people use: 1024 x 768, 1366 x 768, and 2048 x 1536
# at twice the size. The offscreen platform reads its screen from a file.
foreach(screen IN ITEMS "1024x768:1" "1366x768:1" "2048x1536:2")
    string(REGEX MATCH "^(([0-9]+)x([0-9]+)):([0-9])$" matched ${screen})
    set(config ${CMAKE_BINARY_DIR}/offscreen-${CMAKE_MATCH_1}.json)
    file(WRITE ${config} "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, "
        "\"width\": ${CMAKE_MATCH_2}, \"height\": ${CMAKE_MATCH_3}, \"logicalDpi\": 96, "
        "\"dpr\": 1}]}\n")
    set(name view_hint_panel_fit_${CMAKE_MATCH_1})
    if(CMAKE_MATCH_1 STREQUAL "1024x768")
        set(name view_hint_panel_fit)  # the one the view tests' loop made, given its screen
    else()
        add_test(NAME ${name} COMMAND view_hint_panel_fit)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS view ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen:configfile=${config};QT_SCALE_FACTOR=${CMAKE_MATCH_4};QUORVEL_TEST_SCREEN=${CMAKE_MATCH_1}")
endforeach()
# In the sanitizer build, the real program walked on a virtual display (see the script).
if(QUORVEL_SANITIZE)
    add_test(NAME program_sanitizer_walk
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/sanitizer-walk.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(program_sanitizer_walk PROPERTIES LABELS view TIMEOUT 900)
endif()
