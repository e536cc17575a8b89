// Windows: the push button every window of the game uses.
#pragma once

#include <QPushButton>

namespace breliko::ui {

// A push button as the classic desktop drew it: once the player has used the
// keyboard, the focused button shows a dotted rectangle inside its face. Its
// access key clicks it at once, as the mouse does, instead of holding it
// down for a moment first.
class PushButton : public QPushButton {
  Q_OBJECT

 public:
  PushButton(const QString& caption, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace breliko::ui
