// Main window: the controls of Form1, made and placed, before any is wired.
#pragma once

#include <array>

#include "game/board.h"
#include "ui/main_window/main_window_layout.h"

class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;
class QWidget;

namespace breliko::ui {

class FieldBox;
class TreeCanvas;

namespace form1 {

// Every control on the main window, each with its object name, font, colours
// and place. Form1 connects them to the game; nothing here knows the rules.
struct Controls {
  // Makes the controls as children of `window`, in the order that lays the
  // panels over the board.
  void SetUp(QWidget& window);

  std::array<FieldBox*, game::kFieldCount> picP{};
  // The prototypes the board copies its pictures from; never shown.
  std::array<FieldBox*, game::kPrototypeCount> picF{};
  std::array<QPushButton*, kButtonCount> buttons{};
  QPushButton* cmdGo = nullptr;
  QLabel* lblBreliko = nullptr;
  QLabel* lblPunkte = nullptr;
  TreeCanvas* picCanvas = nullptr;
  QTextEdit* txtSpielregeln = nullptr;
  QTextEdit* txtInformation = nullptr;
  QTimer* tmrTimer = nullptr;
};

}  // namespace form1
}  // namespace breliko::ui
