# Benchmarks of the fractal tree: a whole tree into picCanvas, headless.
add_library(breliko_qt_benchmark_main STATIC qt_benchmark_main.cpp)
target_link_libraries(breliko_qt_benchmark_main PUBLIC Qt6::Widgets benchmark::benchmark)

add_executable(bench_tree bench_tree.cpp)
target_link_libraries(bench_tree PRIVATE breliko_main_window breliko_qt_benchmark_main)
# One fixed tree into the canvas image, and the canvas's repaint.
add_executable(bench_tree_canvas bench_tree_canvas.cpp)
target_link_libraries(bench_tree_canvas PRIVATE breliko_main_window breliko_qt_benchmark_main)
