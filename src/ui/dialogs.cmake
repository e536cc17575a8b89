# The three small windows of the highscore and their owner.
add_library(breliko_dialogs STATIC)
target_sources(breliko_dialogs PRIVATE
  form2.cpp
  form3.cpp
  form4.cpp
  highscore_controls.cpp
  highscore_dialog.cpp
  highscore_windows.cpp)
target_link_libraries(breliko_dialogs PUBLIC breliko_highscore breliko_ui_common Qt6::Widgets)
