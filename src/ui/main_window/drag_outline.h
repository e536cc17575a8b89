// Main window: the dotted outline that follows the pointer while a field is dragged.
#pragma once

#include <QWidget>

namespace breliko::ui {

// The grey outline that follows the pointer while a field is dragged, as
// the automatic drag of a picture box shows it. It never takes the mouse.
class DragOutline : public QWidget {
 public:
  explicit DragOutline(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace breliko::ui
