// Main window: the dotted outline that follows the pointer while a field is dragged.
#include "ui/main_window/drag_outline.h"

#include <QPainter>

#include <cmath>

#include "ui/common/device_pixels.h"
#include "ui/main_window/device_layout.h"

namespace breliko::ui {

DragOutline::DragOutline(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  Fit(devicePixelRatio());
  hide();
}

// At a fractional scale the outline starts at the first whole device pixel
// in the widget, which may lie up to a pixel in: one pixel more leaves room.
void DragOutline::Fit(qreal ratio) {
  fieldPixels_ = form1::BoardOnDevice(ratio).FieldSize();
  const bool whole = ratio == std::floor(ratio);
  const int side = static_cast<int>(std::ceil(fieldPixels_ / ratio)) + (whole ? 0 : 1);
  resize(side, side);
}

void DragOutline::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatio();
  const QPoint origin = mapTo(window(), QPoint());
  const qreal skipX = std::ceil(origin.x() * ratio) / ratio - origin.x();
  const qreal skipY = std::ceil(origin.y() * ratio) / ratio - origin.y();
  const qreal side = fieldPixels_ / ratio;
  const qreal lineWidth = 2 * DeviceLineWidth(ratio) / ratio;
  const qreal half = lineWidth / 2;

  QPainter painter(this);
  QPen pen(QColor(64, 64, 64));
  pen.setWidthF(lineWidth);
  pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(QRectF(skipX + half, skipY + half, side - lineWidth, side - lineWidth));
}

}  // namespace breliko::ui
