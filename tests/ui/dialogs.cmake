# Tests of the highscore windows.
add_executable(breliko_dialogs_test)
target_sources(breliko_dialogs_test PRIVATE
  highscore_dialog_flow_test.cpp
  highscore_dialog_layout_test.cpp)
target_include_directories(breliko_dialogs_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/highscore)
target_link_libraries(breliko_dialogs_test PRIVATE breliko_dialogs breliko_qt_test_main)
gtest_discover_tests(breliko_dialogs_test)
