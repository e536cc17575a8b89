// Main window: taking hold of a field and letting it go, with the mouse or the keys.
#pragma once

#include <QObject>
#include <QPoint>

#include <array>

#include "game/board.h"

class QAbstractScrollArea;
class QWidget;

namespace breliko::game {
class Game;
}  // namespace breliko::game

namespace breliko::ui {

class DragOutline;
class FieldBox;
class FieldMark;

// Everything about picking up a field and dropping it: the mouse drag (the
// field taken, where the pointer holds it, the outline that follows it), the
// keyboard cursor with its picked-up mark, and when the board has the
// keyboard focus. Each of these is set and cleared here alone. The keys go
// the mouse's own way: a pick is a press, a step with a tile in hand is a
// move of the pointer and a drop is a release, each at the middle of the
// field under the cursor. So every drop, by mouse or keys, reaches the game
// through the one `picP_DragDrop`.
class BoardInput : public QObject {
  Q_OBJECT

 public:
  // `panels` lie over the board, the lowest first: the marks lie under
  // them, as the fields do, and while one shows the keys read it.
  BoardInput(QWidget& window, const std::array<FieldBox*, game::kFieldCount>& fields,
             game::Game& game, const std::array<QAbstractScrollArea*, 2>& panels);

  // A tile held with the keys goes back where it was, and the drag with it.
  void PutBack();
  // Sizes the drag outline for a screen of `ratio` device pixels to the pixel.
  void Fit(qreal ratio);
  // A field's new name, which the cursor frame repeats while on it.
  void FieldRenamed(int index, const QString& name);

  // The field under the cursor while the board has the keyboard focus, or -1.
  int FocusedField() const;

 signals:
  // The cursor came to rest on a field with the keyboard focus.
  void CursorFocused(int field);
  // A drop, by mouse or keys, is handed to the game, and the game is done
  // with it.
  void Dropping();
  void Dropped();

 protected:
  // Space, Enter and Escape on the cursor; the cursor goes when the board
  // loses the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MousePressed(int source, QPoint globalPosition);
  void BeginDrag(int source, QPoint globalPosition);
  void MoveDrag(QPoint globalPosition);
  void EndDrag(QPoint globalPosition);
  int FieldAt(QPoint globalPosition) const;

  void NavigationKey(int key);
  void MoveCursor(int columnStep, int rowStep);
  void PressCursorField();
  void LeaveKeys();
  QPoint CursorPoint() const;

  QWidget& window_;
  const std::array<FieldBox*, game::kFieldCount>& fields_;
  game::Game& game_;
  std::array<QAbstractScrollArea*, 2> panels_;

  DragOutline* dragOutline_ = nullptr;
  int dragSource_ = -1;
  QPoint dragGrip_;  // where in the field the pointer took hold of it

  FieldMark* cursorFrame_ = nullptr;
  FieldMark* pickedMark_ = nullptr;
  int cursor_ = game::FieldIndex(4, 4);  // the middle field, where the cursor starts
  bool keyDrag_ = false;                 // the tile being dragged was picked up with the keys
};

}  // namespace breliko::ui
