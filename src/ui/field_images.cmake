# The ten field images and the texts of the two panels over the board.
add_library(breliko_field_images STATIC)
target_sources(breliko_field_images PRIVATE
  field_images.cpp field_images.h
  panel_texts.cpp panel_texts.h)
target_include_directories(breliko_field_images PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(breliko_field_images PUBLIC Qt6::Gui)
