// Main window: one field of the board, a picture box that can be dragged and dropped on.
#include "ui/main_window/field_box.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "ui/main_window/main_window_layout.h"

namespace breliko::ui {

FieldBox::FieldBox(int index, QWidget* parent)
    : QWidget(parent), index_(index), backColor_(form1::kFieldDesignColour) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldBox::SetPicture(const QImage* picture) {
  if (picture == picture_) return;
  picture_ = picture;
  update();
}

void FieldBox::SetBackColor(const QColor& colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  update();
}

void FieldBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), backColor_);
  if (picture_) painter.drawImage(0, 0, *picture_);
}

// The press and release arrive here even when the pointer has left the
// field meanwhile: the pressed widget keeps the mouse until the release.
void FieldBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Pressed(index_, event->globalPosition().toPoint());
}

void FieldBox::mouseMoveEvent(QMouseEvent* event) {
  emit Dragged(event->globalPosition().toPoint());
}

void FieldBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Released(event->globalPosition().toPoint());
}

}  // namespace breliko::ui
