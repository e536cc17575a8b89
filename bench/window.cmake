# The floor the game's window is measured against, and the X probe the
# measuring scripts (measure_*.sh) watch both windows with and send input
# through (XTest).
add_executable(bare_window bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)

find_package(X11)
if(X11_FOUND AND X11_XTest_FOUND)
  add_executable(window_probe window_probe.cpp)
  target_link_libraries(window_probe PRIVATE X11::X11 X11::Xtst)
endif()
