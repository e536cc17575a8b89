// Windows: the keys that press buttons, the same in every window of the game.
#pragma once

#include "ui/common/window_keys.h"

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace breliko::ui {

KeyCommand CommandOf(const QKeyEvent& key);

// For a key the focused control of `window` left alone (a button takes
// Space itself, but not Enter): Enter presses the focused button, or
// `enterButton` where the focus is on no button; Escape presses
// `escapeButton`. Either button may be missing. Whether a button was pressed.
bool PressButtonFor(const QKeyEvent& key, const QWidget& window, QAbstractButton* enterButton,
                    QAbstractButton* escapeButton);

}  // namespace breliko::ui
