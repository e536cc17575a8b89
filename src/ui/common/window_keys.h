// Windows: the keys a window reads beside the access keys, and what each does.
#pragma once

#include <QAbstractSlider>
#include <Qt>

#include <array>

namespace breliko::ui {

// What a key asks of a window. Space, Enter and the number pad's Enter
// press what has the focus (a button, the field under the board's cursor);
// Escape steps back (puts a tile back, closes a panel or a small window).
// With Alt or Ctrl held a key is an access key or a shortcut instead.
enum class KeyCommand { kNone, kPress, kBack };

// One key and every way a window reads it; which of them applies depends on
// where the focus is and whether a text panel shows.
struct WindowKey {
  Qt::Key key;
  // Moves the player through the window: to another control, or the
  // board's cursor by `columns` and `rows` fields.
  bool navigates;
  int columns;
  int rows;
  // How it reads a text panel on.
  QAbstractSlider::SliderAction scroll;
  KeyCommand command;

  bool MovesCursor() const { return columns != 0 || rows != 0; }
  bool Scrolls() const { return scroll != QAbstractSlider::SliderNoAction; }
};

// The number pad's Enter is the same key to the player as the main Enter.
inline constexpr std::array<WindowKey, 14> kWindowKeys = {{
    {Qt::Key_Tab, true, 0, 0, QAbstractSlider::SliderNoAction, KeyCommand::kNone},
    {Qt::Key_Backtab, true, 0, 0, QAbstractSlider::SliderNoAction, KeyCommand::kNone},
    {Qt::Key_Left, true, -1, 0, QAbstractSlider::SliderNoAction, KeyCommand::kNone},
    {Qt::Key_Right, true, 1, 0, QAbstractSlider::SliderNoAction, KeyCommand::kNone},
    {Qt::Key_Up, true, 0, -1, QAbstractSlider::SliderSingleStepSub, KeyCommand::kNone},
    {Qt::Key_Down, true, 0, 1, QAbstractSlider::SliderSingleStepAdd, KeyCommand::kNone},
    {Qt::Key_PageUp, false, 0, 0, QAbstractSlider::SliderPageStepSub, KeyCommand::kNone},
    {Qt::Key_PageDown, false, 0, 0, QAbstractSlider::SliderPageStepAdd, KeyCommand::kNone},
    {Qt::Key_Home, false, 0, 0, QAbstractSlider::SliderToMinimum, KeyCommand::kNone},
    {Qt::Key_End, false, 0, 0, QAbstractSlider::SliderToMaximum, KeyCommand::kNone},
    {Qt::Key_Space, false, 0, 0, QAbstractSlider::SliderNoAction, KeyCommand::kPress},
    {Qt::Key_Return, false, 0, 0, QAbstractSlider::SliderNoAction, KeyCommand::kPress},
    {Qt::Key_Enter, false, 0, 0, QAbstractSlider::SliderNoAction, KeyCommand::kPress},
    {Qt::Key_Escape, false, 0, 0, QAbstractSlider::SliderNoAction, KeyCommand::kBack},
}};

// The row of `key`, or nullptr for a key no window reads.
inline const WindowKey* FindWindowKey(int key) {
  for (const WindowKey& row : kWindowKeys) {
    if (row.key == key) return &row;
  }
  return nullptr;
}

}  // namespace breliko::ui
