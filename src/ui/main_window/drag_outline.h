// Main window: the dotted outline that follows the pointer while a field is dragged.
#pragma once

#include <QColor>
#include <QWidget>

namespace breliko::ui {

// The grey outline that follows the pointer while a field is dragged, as
// the automatic drag of a picture box shows it. It never takes the mouse.
// It has the size of a board field in device pixels, its dotted line two
// lines of device pixels wide.
class DragOutline : public QWidget {
 public:
  explicit DragOutline(QWidget* parent);

  // Sizes the outline for a screen of `ratio` device pixels to the pixel.
  void Fit(qreal ratio);

  // The dots are dark grey, as the desktop drew them, but light grey over
  // fields of a dark base colour, where dark grey would not show.
  void SetBaseColour(const QColor& base);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int fieldPixels_ = 0;  // a field's side in device pixels
  QColor dots_;
};

}  // namespace breliko::ui
