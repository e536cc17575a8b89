// Main window: the dotted outline that follows the pointer while a field is dragged.
#include "ui/main_window/drag_outline.h"

#include <QPainter>

#include "ui/common/device_pixels.h"
#include "ui/main_window/main_window_layout.h"

namespace breliko::ui {

DragOutline::DragOutline(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  SetBaseColour(Qt::white);
  Fit(devicePixelRatio());
  hide();
}

// The outline is a field's size in device pixels, from the first whole
// device pixel in the widget.
void DragOutline::Fit(qreal ratio) {
  fieldPixels_ = form1::BoardOnDevice(ratio).CellSize();
  const int side = PixelsHolding(fieldPixels_, ratio);
  resize(side, side);
}

void DragOutline::SetBaseColour(const QColor& base) {
  dots_ = base.lightness() < 128 ? QColor(192, 192, 192) : QColor(64, 64, 64);
  update();
}

void DragOutline::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatio();
  const QPoint origin = mapTo(window(), QPoint());
  const qreal skipX = ToNextDevicePixel(origin.x(), ratio);
  const qreal skipY = ToNextDevicePixel(origin.y(), ratio);
  const qreal side = fieldPixels_ / ratio;
  const qreal lineWidth = 2 * DeviceLineWidth(ratio) / ratio;
  const qreal half = lineWidth / 2;

  QPainter painter(this);
  QPen pen(dots_);
  pen.setWidthF(lineWidth);
  pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(QRectF(skipX + half, skipY + half, side - lineWidth, side - lineWidth));
}

}  // namespace breliko::ui
