// Main window: the board as a screen reader meets it, 81 named fields.
#include "ui/main_window/board_accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include <utility>
#include <vector>

#include "ui/main_window/field_box.h"
#include "ui/main_window/spoken_news.h"

namespace breliko::ui {

namespace {

constexpr int kRows = 9;
constexpr int kColumns = 9;

BoardAccessibility* BoardOf(const QWidget* window) {
  return window != nullptr
             ? window->findChild<BoardAccessibility*>(QString(), Qt::FindDirectChildrenOnly)
             : nullptr;
}

bool IsBoardField(const BoardAccessibility* board, const QObject* object) {
  if (board == nullptr) return false;
  for (const FieldBox* field : board->Fields()) {
    if (field == object) return true;
  }
  return false;
}

// The board: a group of 81 fields, row by row. It is no table on purpose:
// a screen reader reads a whole table row on each step up or down, and the
// player wants to hear the one field the cursor came to.
class BoardInterface : public QAccessibleInterface {
 public:
  explicit BoardInterface(BoardAccessibility* board) : board_(board) {}

  bool isValid() const override { return board_ != nullptr; }
  QObject* object() const override { return board_; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(board_->parent());
  }
  int childCount() const override { return kRows * kColumns; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return QAccessible::queryAccessibleInterface(board_->Fields()[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (child != nullptr && child->object() == board_->Fields()[i]) return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      QAccessibleInterface* field = child(i);
      if (field->rect().contains(x, y)) return field;
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const int focused = board_->FocusedField();
    return focused >= 0 ? child(focused) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? QStringLiteral("ludtabulo") : QString();
  }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
  QRect rect() const override { return child(0)->rect().united(child(childCount() - 1)->rect()); }
  QAccessible::Role role() const override { return QAccessible::Grouping; }
  QAccessible::State state() const override { return {}; }

 private:
  QPointer<BoardAccessibility> board_;
};

// A field: named by its row, its column and what lies on it, focused while
// the cursor is on it.
class FieldInterface : public QAccessibleWidget {
 public:
  FieldInterface(FieldBox* field, BoardAccessibility* board)
      : QAccessibleWidget(field, QAccessible::Cell), board_(board) {}

  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(board_);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = board_ != nullptr && board_->FocusedField() == Index();
    return state;
  }

 private:
  int Index() const { return static_cast<FieldBox*>(widget())->Index(); }
  QPointer<BoardAccessibility> board_;
};

// The main window: its own controls, with the 81 fields gathered into the
// board. A control the window keeps hidden (the start button during a game,
// the colour prototypes, the tree's button) is not there for the reader
// either.
class WindowInterface : public QAccessibleWidget {
 public:
  explicit WindowInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

  int childCount() const override { return int(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const auto children = Children();
    return index >= 0 && index < int(children.size()) ? children[index] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto children = Children();
    for (int i = 0; i < int(children.size()); ++i) {
      if (children[i] == child) return i;
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    BoardAccessibility* board = BoardOf(widget());
    if (board != nullptr && board->FocusedField() >= 0) {
      return QAccessible::queryAccessibleInterface(board)->focusChild();
    }
    return QAccessibleWidget::focusChild();
  }

 private:
  std::vector<QAccessibleInterface*> Children() const {
    BoardAccessibility* board = BoardOf(widget());
    std::vector<QAccessibleInterface*> children;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
      QAccessibleInterface* child = QAccessibleWidget::child(i);
      if (child == nullptr || IsBoardField(board, child->object())) continue;
      const auto* control = qobject_cast<const QWidget*>(child->object());
      if (control == nullptr || !control->isHidden()) children.push_back(child);
    }
    if (board != nullptr) children.push_back(QAccessible::queryAccessibleInterface(board));
    auto* news = widget()->findChild<SpokenNews*>(QString(), Qt::FindDirectChildrenOnly);
    if (news != nullptr) children.push_back(QAccessible::queryAccessibleInterface(news));
    return children;
  }
};

QAccessibleInterface* Interface(const QString& /*className*/, QObject* object) {
  if (auto* board = qobject_cast<BoardAccessibility*>(object)) return new BoardInterface(board);
  if (auto* field = qobject_cast<FieldBox*>(object)) {
    BoardAccessibility* board = BoardOf(field->parentWidget());
    if (IsBoardField(board, field)) return new FieldInterface(field, board);
    return nullptr;
  }
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget != nullptr && widget->isWindow() && BoardOf(widget) != nullptr) {
    return new WindowInterface(widget);
  }
  return nullptr;
}

}  // namespace

BoardAccessibility::BoardAccessibility(const std::array<FieldBox*, 81>& fields,
                                       std::function<int()> focusedField, QObject* parent)
    : QObject(parent), fields_(fields), focusedField_(std::move(focusedField)) {
  setObjectName(QStringLiteral("board"));
}

void BoardAccessibility::Install() {
  static const bool installed = [] {
    QAccessible::installFactory(Interface);
    return true;
  }();
  (void)installed;
}

void BoardAccessibility::ReportFocus(int field) const {
  if (!QAccessible::isActive() || field < 0) return;
  QAccessibleEvent focus(fields_[field], QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace breliko::ui
