# The main window on top of the other parts of the presentation.
add_library(breliko_ui STATIC)
target_sources(breliko_ui PRIVATE
  base_colour.cpp
  drag_outline.cpp
  field_box.cpp
  form1.cpp
  form1_commands.cpp
  form1_drag.cpp
  form1_host.cpp
  window_frame.cpp)
target_link_libraries(breliko_ui PUBLIC
  breliko_game breliko_ui_common breliko_field_images breliko_sound
  breliko_tree_canvas breliko_dialogs breliko_highscore Qt6::Widgets)
