# Wave files played through Qt Multimedia from an audio thread of its own.
add_library(breliko_sound STATIC)
target_sources(breliko_sound PRIVATE
  sound_audio_thread.cpp
  sound_audio_worker.cpp
  sound_complaints.cpp
  sound_player.cpp
  sound_wave.cpp)
target_include_directories(breliko_sound PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(breliko_sound PUBLIC Qt6::Core Qt6::Multimedia)
