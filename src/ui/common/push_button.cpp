// Windows: the push button every window of the game uses.
#include "ui/common/push_button.h"

#include <QPainter>
#include <QShortcutEvent>

#include "ui/common/keyboard_cues.h"

namespace breliko::ui {

namespace {

// Inside the two-pixel raised edge, one pixel of face between.
constexpr int kFocusMarkInset = 3;

}  // namespace

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  KeyboardCues::Watch();
}

bool PushButton::event(QEvent* event) {
  // Qt presses a button for its access key and releases it 100 ms later;
  // the game's buttons act at once, like a click. An access key that two
  // buttons share only moves the focus, as Qt does.
  if (event->type() == QEvent::Shortcut && isEnabled()) {
    setFocus(Qt::ShortcutFocusReason);
    if (!static_cast<QShortcutEvent*>(event)->isAmbiguous()) click();
    return true;
  }
  return QPushButton::event(event);
}

void PushButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  if (!hasFocus() || !KeyboardCues::Shown(*this)) return;
  // Black dots one pixel apart read on the pale faces of every window.
  QPainter painter(this);
  QPen dots(Qt::black, 0);
  dots.setDashPattern({1, 1});
  painter.setPen(dots);
  painter.drawRect(rect().adjusted(kFocusMarkInset, kFocusMarkInset, -kFocusMarkInset - 1,
                                   -kFocusMarkInset - 1));
}

}  // namespace breliko::ui
