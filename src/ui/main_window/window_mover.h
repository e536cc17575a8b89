// Main window: moving the frameless window by its margin.
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

namespace breliko::ui {

// The window has no title bar, so a press on its own margin, frame or title
// takes hold of it, and a drag moves it. The window system moves it where it
// can (a window manager then knows the move as its own); without one the
// window follows the pointer itself. A press elsewhere is left alone.
class WindowMover : public QObject {
 public:
  // `isHandle` tells, for a point of the window, whether a press there
  // moves it.
  WindowMover(QWidget& window, std::function<bool(QPoint)> isHandle);

  // Also takes hold through a child, such as the title label.
  void AddHandle(QWidget& child);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  std::function<bool(QPoint)> isHandle_;
  bool moving_ = false;
  QPoint grip_;  // the pointer's place relative to the window's corner
};

}  // namespace breliko::ui
