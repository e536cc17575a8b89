add_library(breliko_ui STATIC)
target_sources(breliko_ui PRIVATE form1.cpp)
target_link_libraries(breliko_ui PUBLIC
  breliko_game breliko_ui_common breliko_field_images breliko_sound
  breliko_tree_canvas breliko_dialogs Qt6::Widgets)
