// Windows: the keys that press buttons, the same in every window of the game.
#pragma once

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace breliko::ui {

// What a key asks of a window. Space, Enter and the number pad's Enter
// press what has the focus (a button, the field under the board's cursor);
// Escape steps back (puts a tile back, closes a panel or a small window).
// With Alt or Ctrl held a key is an access key or a shortcut instead.
enum class KeyCommand { kNone, kPress, kBack };

KeyCommand CommandOf(const QKeyEvent& key);

// For a key the focused control of `window` left alone (a button takes
// Space itself, but not Enter): Enter presses the focused button, or
// `enterButton` where the focus is on no button; Escape presses
// `escapeButton`. Either button may be missing. Whether a button was pressed.
bool PressButtonFor(const QKeyEvent& key, const QWidget& window, QAbstractButton* enterButton,
                    QAbstractButton* escapeButton);

}  // namespace breliko::ui
