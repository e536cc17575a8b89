# Tests of the main window, run headless.
add_executable(breliko_form1_test form1_test.cpp form1_commands_test.cpp)
target_link_libraries(breliko_form1_test PRIVATE breliko_ui breliko_qt_test_main)
gtest_discover_tests(breliko_form1_test)
