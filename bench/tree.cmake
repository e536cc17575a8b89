# Benchmarks of the fractal tree: a whole tree into picCanvas, headless.
add_executable(bench_tree bench_tree.cpp)
target_link_libraries(bench_tree PRIVATE breliko_tree_canvas benchmark::benchmark)
# One fixed tree into the canvas image, and the canvas's repaint.
add_executable(bench_tree_canvas bench_tree_canvas.cpp)
target_link_libraries(bench_tree_canvas PRIVATE breliko_tree_canvas benchmark::benchmark)
