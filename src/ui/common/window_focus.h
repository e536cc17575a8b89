// Windows: the keyboard focus on an X server that has no window manager.
#pragma once

class QWidget;

namespace breliko::ui {

// Gives `window` the keyboard focus where no window manager hands it out: an
// X server without one leaves the focus where it was, so a window that
// opens, or that is back in front when a small window closes, would take
// no key until clicked. Where a window manager runs (and under Wayland,
// whose compositor is one) the desktop decides, and this does nothing.
void TakeFocusWithoutWindowManager(QWidget& window);

}  // namespace breliko::ui
