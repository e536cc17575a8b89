# Benchmarks of the game engine.
add_executable(bench_game bench_game.cpp)
target_link_libraries(bench_game PRIVATE breliko_game benchmark::benchmark)
