// Windows: the keys that press buttons, the same in every window of the game.
#include "ui/common/button_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

#include <array>

namespace breliko::ui {

namespace {

struct KeyMeaning {
  int key;
  KeyCommand command;
};

// The number pad's Enter is the same key to the player as the main Enter.
constexpr std::array<KeyMeaning, 4> kKeyMeanings = {{
    {Qt::Key_Space, KeyCommand::kPress},
    {Qt::Key_Return, KeyCommand::kPress},
    {Qt::Key_Enter, KeyCommand::kPress},
    {Qt::Key_Escape, KeyCommand::kBack},
}};

}  // namespace

KeyCommand CommandOf(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) {
    return KeyCommand::kNone;
  }
  for (const KeyMeaning& meaning : kKeyMeanings) {
    if (key.key() == meaning.key) return meaning.command;
  }
  return KeyCommand::kNone;
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
