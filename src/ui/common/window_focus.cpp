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

// The window named by `property` on `window`, or none: also when `window`
// itself no longer exists.
xcb_window_t WindowProperty(xcb_connection_t* connection, xcb_window_t window,
                            xcb_atom_t property) {
  xcb_generic_error_t* error = nullptr;
  const XReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1),
          &error),
      &std::free);
  // A window that is gone answers with an error, taken here so that Qt does
  // not print it as a fault of its own.
  const XReply<xcb_generic_error_t> gone(error, &std::free);
  if (reply == nullptr || xcb_get_property_value_length(reply.get()) < 4) return XCB_WINDOW_NONE;
  return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// A running window manager names a check window of its own on the root
// window, and names that window again on the check window itself. A manager
// that has quit leaves its name on the root behind, but its check window
// went with it, so both names are asked for.
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
  const xcb_window_t check = WindowProperty(connection, root, atom->atom);
  return check != XCB_WINDOW_NONE && WindowProperty(connection, check, atom->atom) == check;
}

}  // namespace

void TakeFocusWithoutWindowManager(QWidget& window) {
  if (!WindowManagerRuns()) window.activateWindow();
}

}  // namespace breliko::ui
