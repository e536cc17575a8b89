// Main window: the dotted outline that follows the pointer while a field is dragged.
#include "ui/main_window/drag_outline.h"

#include <QPainter>

#include "ui/main_window/main_window_layout.h"

namespace breliko::ui {

DragOutline::DragOutline(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  resize(form1::kFieldSize, form1::kFieldSize);
  hide();
}

void DragOutline::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(QColor(64, 64, 64));
  pen.setWidth(2);
  pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace breliko::ui
