# The Qt layer: widgets that render the core's state, the program, and their offscreen tests.
set(CMAKE_AUTOMOC ON)
file(GLOB gui_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/ui/*/view/*.cpp
    ${CMAKE_SOURCE_DIR}/src/ui/*/view/*.h)
if(gui_sources)
    add_library(quorvel_gui STATIC ${gui_sources})
    target_link_libraries(quorvel_gui PUBLIC quorvel_core Qt6::Widgets Qt6::PrintSupport)
    target_include_directories(quorvel_gui PUBLIC ${CMAKE_SOURCE_DIR}/src)
endif()

file(GLOB app_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
if(app_sources AND TARGET quorvel_gui)
    add_executable(quorvel ${app_sources})
    target_link_libraries(quorvel PRIVATE quorvel_gui)
endif()

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
