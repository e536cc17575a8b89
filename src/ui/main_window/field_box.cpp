// Main window: one field of the board, a picture box that can be dragged and dropped on.
#include "ui/main_window/field_box.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "ui/common/device_pixels.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/main_window_layout.h"

namespace breliko::ui {

FieldBox::FieldBox(int index, QWidget* parent)
    : QWidget(parent), index_(index), backColor_(form1::kFieldDesignColour) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// The picture is drawn when first painted or compared, not here: the ten
// hidden prototype tiles get theirs while the window loads.
void FieldBox::SetPicture(std::optional<TilePicture> picture) {
  if (picture == picture_) return;
  picture_ = picture;
  update();
}

const QImage* FieldBox::Picture() const { return picture_ ? &TileImage(*picture_) : nullptr; }

void FieldBox::SetBackColor(const QColor& colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  update();
}

void FieldBox::Place(const DevicePlacement& placement) {
  setGeometry(placement.geometry);
  area_ = placement.area;
  setAttribute(Qt::WA_OpaquePaintEvent, area_ == QRectF(rect()));
  update();
}

QRectF FieldBox::Area() const { return area_.isEmpty() ? QRectF(rect()) : area_; }

bool FieldBox::Covers(QPointF point) const {
  const QRectF area = Area();
  return point.x() >= area.left() && point.x() < area.right() && point.y() >= area.top() &&
         point.y() < area.bottom();
}

void FieldBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF area = Area();
  painter.fillRect(area, backColor_);
  if (picture_) {
    const qreal ratio = devicePixelRatio();
    const int devicePixels = DeviceLength(area.width(), ratio);
    painter.drawImage(area, TileImage(*picture_, devicePixels, DeviceLineWidth(ratio)));
  }
}

// The press and release arrive here even when the pointer has left the
// field meanwhile: the pressed widget keeps the mouse until the release. A
// press on the window's gap round the field is not one on the field.
void FieldBox::mousePressEvent(QMouseEvent* event) {
  if (!Covers(event->position())) {
    event->ignore();
    return;
  }
  if (event->button() == Qt::LeftButton) emit Pressed(index_, event->globalPosition().toPoint());
}

void FieldBox::mouseMoveEvent(QMouseEvent* event) {
  emit Dragged(event->globalPosition().toPoint());
}

void FieldBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Released(event->globalPosition().toPoint());
}

}  // namespace breliko::ui
