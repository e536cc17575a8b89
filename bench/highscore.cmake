# One save of the highscore list on files of every size.
add_executable(bench_highscore_save bench_highscore_save.cpp)
target_link_libraries(bench_highscore_save PRIVATE breliko_highscore benchmark::benchmark)
