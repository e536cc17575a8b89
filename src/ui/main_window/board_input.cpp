// Main window: taking hold of a field and letting it go, with the mouse or the keys.
#include "ui/main_window/board_input.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

#include "game/game.h"
#include "ui/common/button_keys.h"
#include "ui/common/window_keys.h"
#include "ui/main_window/drag_outline.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/field_mark.h"
#include "ui/main_window/field_names.h"
#include "ui/main_window/main_window_layout.h"
#include "ui/main_window/panel_scrolling.h"

namespace breliko::ui {

using form1::FieldRect;

namespace {

// The cursor shows only while the board has the focus: Tab to the buttons
// (or a click anywhere) takes it away and puts a held tile back, and the
// next arrow brings it back where it was. A highscore window or another
// program coming to the front leaves it where it is.
bool LeavesTheBoard(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

BoardInput::BoardInput(QWidget& window, const std::array<FieldBox*, game::kFieldCount>& fields,
                       game::Game& game, const std::array<QAbstractScrollArea*, 2>& panels)
    : QObject(&window), window_(window), fields_(fields), game_(game), panels_(panels) {
  setObjectName("boardInput");
  for (FieldBox* field : fields_) {
    connect(field, &FieldBox::Pressed, this, &BoardInput::MousePressed);
    connect(field, &FieldBox::Dragged, this, &BoardInput::MoveDrag);
    connect(field, &FieldBox::Released, this, &BoardInput::EndDrag);
  }
  dragOutline_ = new DragOutline(&window_);
  dragOutline_->setObjectName("dragOutline");

  cursorFrame_ = new FieldMark(FieldMark::Kind::kCursor, &window_);
  cursorFrame_->setObjectName("cursorFrame");
  pickedMark_ = new FieldMark(FieldMark::Kind::kPicked, &window_);
  pickedMark_->setObjectName("pickedMark");
  // Over the fields but under the panels, which cover the board.
  pickedMark_->stackUnder(panels_[0]);
  cursorFrame_->stackUnder(panels_[0]);
  cursorFrame_->installEventFilter(this);

  // The arrows, and the keys that read a panel on, work wherever the focus
  // is in the window, so that the arrows bring it back to the board from
  // the buttons.
  for (const WindowKey& row : kWindowKeys) {
    if (!row.MovesCursor() && !row.Scrolls()) continue;
    auto* shortcut = new QShortcut(QKeySequence(row.key), &window_);
    connect(shortcut, &QShortcut::activated, this, [this, key = row.key] { NavigationKey(key); });
  }
}

// A panel over the board takes the keys while it shows: the board under it
// cannot be seen, so the cursor stays where it is.
void BoardInput::NavigationKey(int key) {
  for (QAbstractScrollArea* panel : panels_) {
    if (panel->isVisible()) {
      ScrollPanel(*panel, key);
      return;
    }
  }
  const WindowKey* row = FindWindowKey(key);
  if (row != nullptr && row->MovesCursor()) MoveCursor(row->columns, row->rows);
}

void BoardInput::Fit(qreal ratio) { dragOutline_->Fit(ratio); }

void BoardInput::FieldRenamed(int index, const QString& name) {
  if (index == cursor_ && cursorFrame_->accessibleName() != name) {
    cursorFrame_->setAccessibleName(name);
  }
}

int BoardInput::FocusedField() const { return cursorFrame_->hasFocus() ? cursor_ : -1; }

// --- the mouse -------------------------------------------------------------------
// A press on a draggable field picks it up at once, an outline follows the
// pointer, and the release over any board field drops it there, on the
// field it came from as well (a plain click).

// A press on the board ends keyboard play: the cursor goes, and with it any
// tile held with the keys. It takes the focus to the board, as a press on
// any control of the window would: a button that had it must not take a
// later Space or Enter. The window stands for the board until an arrow
// brings the cursor back; it shows no mark of the focus.
void BoardInput::MousePressed(int source, QPoint globalPosition) {
  LeaveKeys();
  window_.setFocus(Qt::MouseFocusReason);
  BeginDrag(source, globalPosition);
}

void BoardInput::BeginDrag(int source, QPoint globalPosition) {
  if (!game_.CanDrag(source)) return;
  dragSource_ = source;
  dragGrip_ = globalPosition - fields_[source]->mapToGlobal(QPoint(0, 0));
  dragOutline_->SetBaseColour(fields_[source]->BackColor());
  dragOutline_->move(window_.mapFromGlobal(globalPosition) - dragGrip_);
  dragOutline_->show();
  dragOutline_->raise();
}

void BoardInput::MoveDrag(QPoint globalPosition) {
  if (dragSource_ < 0) return;
  dragOutline_->move(window_.mapFromGlobal(globalPosition) - dragGrip_);
}

void BoardInput::EndDrag(QPoint globalPosition) {
  if (dragSource_ < 0) return;
  const int source = dragSource_;
  dragSource_ = -1;
  dragOutline_->hide();
  const int target = FieldAt(globalPosition);
  if (target < 0) return;
  emit Dropping();
  game_.picP_DragDrop(target, source);
  emit Dropped();
}

// The board field under a point of the screen, or -1 for a gap between
// fields, a panel over the board or anything else. On a screen of a
// fractional scale neighbouring fields' widgets may share a pixel column,
// so the field is the one whose own area holds the middle of the pixel.
int BoardInput::FieldAt(QPoint globalPosition) const {
  auto* hit = qobject_cast<FieldBox*>(window_.childAt(window_.mapFromGlobal(globalPosition)));
  if (!hit || fields_[hit->Index()] != hit) return -1;
  const QPointF middle = QPointF(globalPosition) + QPointF(0.5, 0.5);
  for (const FieldBox* field : fields_) {
    if (field->Covers(field->mapFromGlobal(middle))) {
      return field->isEnabled() ? field->Index() : -1;
    }
  }
  return -1;
}

// --- the keys ----------------------------------------------------------------------

// The first arrow shows the cursor where it is, on the middle field at
// first; later arrows move it, stopping at the edges of the board.
void BoardInput::MoveCursor(int columnStep, int rowStep) {
  if (!cursorFrame_->isHidden()) {
    const int row = std::clamp(cursor_ / game::kColumns + rowStep, 0, game::kRows - 1);
    const int column = std::clamp(cursor_ % game::kColumns + columnStep, 0, game::kColumns - 1);
    cursor_ = game::FieldIndex(row, column);
  }
  cursorFrame_->ShowOn(FieldRect(cursor_));
  cursorFrame_->setAccessibleName(FieldName(cursor_, game_.picP(cursor_).Picture));
  cursorFrame_->setFocus(Qt::OtherFocusReason);
  emit CursorFocused(cursor_);
  if (keyDrag_) MoveDrag(CursorPoint());
}

void BoardInput::PressCursorField() {
  const QPoint point = CursorPoint();
  if (keyDrag_) {
    keyDrag_ = false;
    pickedMark_->hide();
    EndDrag(point);
    return;
  }
  if (dragSource_ >= 0) return;  // the mouse holds a tile
  // The pointer could not press a field under a panel, nor a disabled one.
  if (FieldAt(point) != cursor_) return;
  BeginDrag(cursor_, point);
  if (dragSource_ != cursor_) return;
  keyDrag_ = true;
  pickedMark_->ShowOn(FieldRect(cursor_));
}

void BoardInput::PutBack() {
  if (!keyDrag_) return;
  keyDrag_ = false;
  dragSource_ = -1;
  dragOutline_->hide();
  pickedMark_->hide();
}

void BoardInput::LeaveKeys() {
  PutBack();
  if (cursorFrame_->isHidden()) return;
  // Without the cursor the board keeps no focus, so that a key meant for
  // the board cannot press a button instead.
  if (cursorFrame_->hasFocus()) cursorFrame_->clearFocus();
  cursorFrame_->hide();
}

QPoint BoardInput::CursorPoint() const { return window_.mapToGlobal(FieldRect(cursor_).center()); }

bool BoardInput::eventFilter(QObject* watched, QEvent* event) {
  if (watched != cursorFrame_) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut) {
    if (LeavesTheBoard(static_cast<QFocusEvent*>(event)->reason())) LeaveKeys();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const KeyCommand command = CommandOf(*key);
  if (command == KeyCommand::kPress) {
    if (!key->isAutoRepeat()) PressCursorField();
    return true;
  }
  // Escape puts a held tile back; with none in hand it goes on to the
  // window, which closes an open panel.
  if (command == KeyCommand::kBack && keyDrag_) {
    PutBack();
    return true;
  }
  return false;
}

}  // namespace breliko::ui
