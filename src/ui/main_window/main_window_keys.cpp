// Playing with the keys. The arrows move a cursor over the board, Space or
// Enter picks up the tile under it and later drops it on the field the
// cursor has moved to, Escape puts it back. The keys go the mouse's own way:
// a pick is a press (BeginDrag), a step with a tile in hand is a move of the
// pointer (MoveDrag) and a drop is a release (EndDrag), each at the middle
// of the field under the cursor. So a drop with the keys is checked and
// played exactly like one with the mouse.
#include <QKeyEvent>
#include <QShortcut>
#include <QTextEdit>

#include <algorithm>
#include <array>

#include "ui/main_window/board_accessibility.h"
#include "ui/main_window/drag_outline.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/field_mark.h"
#include "ui/main_window/field_names.h"
#include "ui/main_window/main_window.h"

namespace breliko::ui {

using namespace form1;

namespace {

struct CursorStep {
  Qt::Key key;
  int columns;
  int rows;
};

constexpr std::array<CursorStep, 4> kCursorSteps = {{
    {Qt::Key_Left, -1, 0},
    {Qt::Key_Right, 1, 0},
    {Qt::Key_Up, 0, -1},
    {Qt::Key_Down, 0, 1},
}};

// The key that switches the symbols on the colour tiles. No window of the
// game uses a function key; every free letter is kept for access keys.
constexpr Qt::Key kTileSymbolsKey = Qt::Key_F2;

bool IsPressKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The cursor shows only while the board has the focus: Tab to the buttons
// (or a click anywhere) takes it away and puts a held tile back, and the
// next arrow brings it back where it was. A highscore window or another
// program coming to the front leaves it where it is.
bool LeavesTheBoard(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

void Form1::CreateKeys() {
  cursorFrame_ = new FieldMark(FieldMark::Kind::kCursor, this);
  cursorFrame_->setObjectName("cursorFrame");
  pickedMark_ = new FieldMark(FieldMark::Kind::kPicked, this);
  pickedMark_->setObjectName("pickedMark");
  // Over the fields but under the panels, which cover the board.
  pickedMark_->stackUnder(txtSpielregeln_);
  cursorFrame_->stackUnder(txtSpielregeln_);
  cursorFrame_->installEventFilter(this);

  // The arrows work wherever the focus is in the window, so that they bring
  // it back to the board from the buttons.
  for (const CursorStep& step : kCursorSteps) {
    auto* shortcut = new QShortcut(QKeySequence(step.key), this);
    connect(shortcut, &QShortcut::activated, this,
            [this, step] { MoveCursor(step.columns, step.rows); });
  }
  auto* symbols = new QShortcut(QKeySequence(kTileSymbolsKey), this);
  connect(symbols, &QShortcut::activated, this, &Form1::SwitchTileSymbols);
}

// The first arrow shows the cursor where it is, on the middle field at
// first; later arrows move it, stopping at the edges of the board.
void Form1::MoveCursor(int columnStep, int rowStep) {
  if (!cursorFrame_->isHidden()) {
    const int row = std::clamp(cursor_ / game::kColumns + rowStep, 0, game::kRows - 1);
    const int column = std::clamp(cursor_ % game::kColumns + columnStep, 0, game::kColumns - 1);
    cursor_ = game::FieldIndex(row, column);
  }
  cursorFrame_->ShowOn(FieldRect(cursor_));
  cursorFrame_->setAccessibleName(FieldName(cursor_, game_.picP(cursor_).Picture));
  cursorFrame_->setFocus(Qt::OtherFocusReason);
  boardAccessibility_->ReportFocus(cursor_);
  if (keyDrag_) MoveDrag(CursorPoint());
}

void Form1::PressCursorField() {
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

void Form1::PutBack() {
  if (!keyDrag_) return;
  keyDrag_ = false;
  dragSource_ = -1;
  dragOutline_->hide();
  pickedMark_->hide();
}

void Form1::LeaveKeys() {
  PutBack();
  if (cursorFrame_->isHidden()) return;
  // Without the cursor the board keeps no focus, so that a key meant for
  // the board cannot press a button instead.
  if (cursorFrame_->hasFocus()) cursorFrame_->clearFocus();
  cursorFrame_->hide();
}

QPoint Form1::CursorPoint() const { return mapToGlobal(FieldRect(cursor_).center()); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched != cursorFrame_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut) {
    if (LeavesTheBoard(static_cast<QFocusEvent*>(event)->reason())) LeaveKeys();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
  if (IsPressKey(key->key())) {
    if (!key->isAutoRepeat()) PressCursorField();
    return true;
  }
  // Escape puts a held tile back; with none in hand it goes on to the
  // window, which closes an open panel.
  if (key->key() == Qt::Key_Escape && keyDrag_) {
    PutBack();
    return true;
  }
  return false;
}

void Form1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape &&
      (txtSpielregeln_->isVisible() || txtInformation_->isVisible())) {
    HidePanels();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace breliko::ui
