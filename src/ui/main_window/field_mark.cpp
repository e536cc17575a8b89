// Main window: the marks of keyboard play, the cursor frame and the picked-up tile.
#include "ui/main_window/field_mark.h"

#include <QPainter>

namespace breliko::ui {

namespace {

// The cursor frame reaches into the gap round its field and a little beyond,
// so that it shows even on a black board.
constexpr int kCursorOverhang = 3;

// Fills the ring of `width` pixels that lies `inset` pixels inside `area`.
void FillRing(QPainter& painter, const QRect& area, int inset, int width, const QColor& colour) {
  const QRect outer = area.adjusted(inset, inset, -inset, -inset);
  const QRect inner = outer.adjusted(width, width, -width, -width);
  painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), colour);
  painter.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), width), colour);
  painter.fillRect(QRect(outer.left(), inner.top(), width, inner.height()), colour);
  painter.fillRect(QRect(inner.right() + 1, inner.top(), width, inner.height()), colour);
}

// Black, white, black from the outside in: one of them stands out on any
// tile and on any base colour.
void PaintCursor(QPainter& painter, const QRect& area) {
  FillRing(painter, area, 0, 3, Qt::black);
  FillRing(painter, area, 3, 2, Qt::white);
  FillRing(painter, area, 5, 1, Qt::black);
}

void PaintPicked(QPainter& painter, const QRect& area) {
  painter.fillRect(area, QColor(255, 255, 255, 110));
  const QRect ring = area.adjusted(8, 8, -9, -9);
  painter.setPen(QPen(Qt::white, 3));
  painter.drawRect(ring);
  QPen dashes(Qt::black, 3);
  dashes.setDashPattern({2, 2});
  painter.setPen(dashes);
  painter.drawRect(ring);
}

}  // namespace

FieldMark::FieldMark(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void FieldMark::ShowOn(const QRect& field) {
  const int overhang = kind_ == Kind::kCursor ? kCursorOverhang : 0;
  setGeometry(field.adjusted(-overhang, -overhang, overhang, overhang));
  show();
}

void FieldMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (kind_ == Kind::kCursor) {
    PaintCursor(painter, rect());
  } else {
    PaintPicked(painter, rect());
  }
}

}  // namespace breliko::ui
