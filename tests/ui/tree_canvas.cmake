# Tests of picCanvas, the canvas of the fractal tree: a widget, run headless.
add_executable(breliko_tree_canvas_test tree_canvas_test.cpp)
target_link_libraries(breliko_tree_canvas_test PRIVATE breliko_tree_canvas breliko_qt_test_main)
gtest_discover_tests(breliko_tree_canvas_test)
