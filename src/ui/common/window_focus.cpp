// Windows: the keyboard focus on an X server that has no window manager.
#include "ui/common/window_focus.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace breliko::ui {

namespace {

template <typename Reply>
using XReply = std::unique_ptr<Reply, decltype(&std::free)>;

// A window manager of today's desktops names its check window on the root
// window; an X server without one has no such property.
bool WindowManagerRuns() {
  // Other platforms (Wayland, offscreen) hand out the focus themselves.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return true;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return true;
  constexpr char kCheck[] = "_NET_SUPPORTING_WM_CHECK";
  const XReply<xcb_intern_atom_reply_t> atom(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(kCheck), kCheck),
                            nullptr),
      &std::free);
  if (atom == nullptr || atom->atom == XCB_ATOM_NONE) return false;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const XReply<xcb_get_property_reply_t> check(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
          nullptr),
      &std::free);
  return check != nullptr && xcb_get_property_value_length(check.get()) > 0;
}

}  // namespace

void TakeFocusWithoutWindowManager(QWidget& window) {
  if (!WindowManagerRuns()) window.activateWindow();
}

}  // namespace breliko::ui
