// Main window: one field of the board, a picture box that can be dragged and dropped on.
#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

#include <optional>

#include "ui/main_window/field_images.h"

namespace breliko::ui {

struct DevicePlacement;

// One picture box of the board (`picP(i)`) or of the hidden prototypes
// (`picF(i)`): its background colour with the field's image over it. A press
// on it is reported to the owner, which decides whether a drag starts.
class FieldBox : public QWidget {
  Q_OBJECT

 public:
  FieldBox(int index, QWidget* parent);

  int Index() const { return index_; }
  // The field's picture, none for an empty field. Its image comes from the
  // one cache of field pictures, shared, never copied: fields that show the
  // same picture show the same image.
  void SetPicture(std::optional<TilePicture> picture);
  const QImage* Picture() const;
  void SetBackColor(const QColor& colour);
  QColor BackColor() const { return backColor_; }

  // Puts the field on whole device pixels: the widget covers them, and the
  // field itself is the part `placement.area` of it; around it the window
  // shows through. Unplaced, the field is the whole widget.
  void Place(const DevicePlacement& placement);
  QRectF Area() const;
  // Whether a point of the widget lies on the field, not on the gap round it.
  bool Covers(QPointF point) const;

 signals:
  void Pressed(int index, QPoint globalPosition);
  void Dragged(QPoint globalPosition);
  void Released(QPoint globalPosition);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int index_;
  std::optional<TilePicture> picture_;
  QColor backColor_;
  QRectF area_;  // empty: the whole widget
};

}  // namespace breliko::ui
