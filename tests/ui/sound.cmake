# Tests of the wave files and the sound player. They run without any audio
# device; where one exists the real player test is heard.
add_executable(breliko_sound_tests)
target_sources(breliko_sound_tests PRIVATE
  sound_wave_test.cpp
  sound_player_test.cpp
  sound_audio_thread_test.cpp)
target_compile_definitions(breliko_sound_tests PRIVATE
  BRELIKO_SOUNDS_DIR="${CMAKE_SOURCE_DIR}/sounds")
target_link_libraries(breliko_sound_tests PRIVATE breliko_sound breliko_qt_test_main)
gtest_discover_tests(breliko_sound_tests)
