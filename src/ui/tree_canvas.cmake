# picCanvas, the picture box beside the board on which the fractal tree grows.
add_library(breliko_tree_canvas STATIC)
target_sources(breliko_tree_canvas PRIVATE tree_canvas.cpp tree_canvas.h)
target_link_libraries(breliko_tree_canvas PUBLIC
  breliko_tree breliko_game breliko_ui_common Qt6::Widgets)
