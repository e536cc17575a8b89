# Benchmarks of the fractal tree: a whole tree into picCanvas, headless.
add_executable(bench_tree bench_tree.cpp)
target_link_libraries(bench_tree PRIVATE breliko_tree_canvas benchmark::benchmark)
