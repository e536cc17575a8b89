// Windows: the keys that press buttons, the same in every window of the game.
#include "ui/common/button_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace breliko::ui {

KeyCommand CommandOf(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) {
    return KeyCommand::kNone;
  }
  const WindowKey* row = FindWindowKey(key.key());
  return row != nullptr ? row->command : KeyCommand::kNone;
}

bool PressButtonFor(const QKeyEvent& key, const QWidget& window, QAbstractButton* enterButton,
                    QAbstractButton* escapeButton) {
  QAbstractButton* pressed = nullptr;
  switch (CommandOf(key)) {
    case KeyCommand::kPress: {
      // Space is a focused button's own key: here it found no button.
      if (key.key() == Qt::Key_Space) return false;
      auto* focused = qobject_cast<QAbstractButton*>(window.focusWidget());
      pressed = focused != nullptr && focused->isVisible() ? focused : enterButton;
      break;
    }
    case KeyCommand::kBack:
      pressed = escapeButton;
      break;
    case KeyCommand::kNone:
      break;
  }
  if (pressed == nullptr || !pressed->isEnabled()) return false;
  pressed->click();
  return true;
}

}  // namespace breliko::ui
