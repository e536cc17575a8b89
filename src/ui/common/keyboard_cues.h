// Windows: whether the player finds a window's controls with the keys.
#pragma once

class QWidget;

namespace breliko::ui {

// Desktops hide keyboard cues, such as the mark on the focused button, until
// the player moves through a window with the keys: Tab, Shift+Tab, an arrow
// or an Alt access key. From then on that window shows them. Typing (a name,
// Space, Enter) is no move through the window, so a mouse player who types a
// name never sees a mark. Watching starts with the first window that draws
// a cue.
class KeyboardCues {
 public:
  static void Watch();
  // Whether the window of `widget` shows its cues.
  static bool Shown(const QWidget& widget);
};

}  // namespace breliko::ui
