// Main window: moving the frameless window by its margin.
#include "ui/main_window/window_mover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace breliko::ui {

WindowMover::WindowMover(QWidget& window, std::function<bool(QPoint)> isHandle)
    : QObject(&window), window_(window), isHandle_(std::move(isHandle)) {
  window_.installEventFilter(this);
}

void WindowMover::AddHandle(QWidget& child) { child.installEventFilter(this); }

bool WindowMover::eventFilter(QObject* /*watched*/, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return false;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();
  if (type == QEvent::MouseButtonPress) {
    if (mouse->button() != Qt::LeftButton || !isHandle_(window_.mapFromGlobal(global))) {
      return false;
    }
    QWindow* handle = window_.windowHandle();
    moving_ = handle == nullptr || !handle->startSystemMove();
    grip_ = global - window_.pos();
    return true;
  }
  if (!moving_) return false;
  if (type == QEvent::MouseMove) {
    window_.move(global - grip_);
  } else {
    moving_ = false;
  }
  return true;
}

}  // namespace breliko::ui
