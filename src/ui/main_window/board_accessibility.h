// Main window: the board as a screen reader meets it, 81 named fields.
#pragma once

#include <QObject>

#include <array>
#include <functional>

namespace breliko::ui {

class FieldBox;

// The board has no widget of its own: its fields lie on the main window
// among the buttons. For a screen reader this object stands for the board,
// a group of the 81 fields row by row, each named as it shows
// ("vico 3, kolumno 5: ruĝa"). The field under the cursor counts as
// focused while the board has the keyboard focus.
class BoardAccessibility : public QObject {
  Q_OBJECT

 public:
  // `fields` are the board's fields, filled in as they are made; Qt asks
  // for a field's interface as soon as the field gets its name, so the
  // board must exist first. `focusedField` tells the field under the cursor
  // while the board has the focus, -1 otherwise.
  BoardAccessibility(const std::array<FieldBox*, 81>& fields, std::function<int()> focusedField,
                     QObject* parent);

  // Makes Qt ask us for the main window, board and field interfaces.
  static void Install();

  const std::array<FieldBox*, 81>& Fields() const { return fields_; }
  int FocusedField() const { return focusedField_(); }

  // Tells a screen reader that the focus now rests on this field.
  void ReportFocus(int field) const;

 private:
  const std::array<FieldBox*, 81>& fields_;
  std::function<int()> focusedField_;
};

}  // namespace breliko::ui
