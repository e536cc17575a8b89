// Dragging a field: a press on a draggable field picks it up at once, an
// outline follows the pointer, and the release over any board field drops
// it there, on the field it came from as well (a plain click).
#include "ui/main_window/drag_outline.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/main_window.h"

namespace breliko::ui {

// A press on the board ends keyboard play: the cursor goes, and with it any
// tile held with the keys.
void Form1::MousePressed(int source, QPoint globalPosition) {
  LeaveKeys();
  BeginDrag(source, globalPosition);
}

void Form1::BeginDrag(int source, QPoint globalPosition) {
  if (!game_.CanDrag(source)) return;
  dragSource_ = source;
  dragGrip_ = globalPosition - picP_[source]->mapToGlobal(QPoint(0, 0));
  dragOutline_->move(mapFromGlobal(globalPosition) - dragGrip_);
  dragOutline_->show();
  dragOutline_->raise();
}

void Form1::MoveDrag(QPoint globalPosition) {
  if (dragSource_ < 0) return;
  dragOutline_->move(mapFromGlobal(globalPosition) - dragGrip_);
}

void Form1::EndDrag(QPoint globalPosition) {
  if (dragSource_ < 0) return;
  const int source = dragSource_;
  dragSource_ = -1;
  dragOutline_->hide();
  const int target = FieldAt(globalPosition);
  if (target >= 0) game_.picP_DragDrop(target, source);
}

// The board field under a point of the screen, or -1 for a gap between
// fields, a panel over the board or anything else. On a screen of a
// fractional scale neighbouring fields' widgets may share a pixel column,
// so the field is the one whose own area holds the middle of the pixel.
int Form1::FieldAt(QPoint globalPosition) const {
  auto* hit = qobject_cast<FieldBox*>(childAt(mapFromGlobal(globalPosition)));
  if (!hit || picP_[hit->Index()] != hit) return -1;
  const QPointF middle = QPointF(globalPosition) + QPointF(0.5, 0.5);
  for (const FieldBox* field : picP_) {
    if (field->Covers(field->mapFromGlobal(middle))) {
      return field->isEnabled() ? field->Index() : -1;
    }
  }
  return -1;
}

}  // namespace breliko::ui
