// Main window: Form1, the board, the score, the tree and the command buttons.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "game/game.h"
#include "highscore/highscore_file.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/main_window_layout.h"

class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

namespace breliko::sound {
class SoundOutput;
}  // namespace breliko::sound

namespace breliko::ui {

class BoardAccessibility;
class BoardInput;
class FieldBox;
class HighscoreWindows;
class TreeCanvas;

// The main window: the board on the left, title, score, tree and command
// buttons on the right, the rules and information panels over the board.
// It shows the game's state and hands every event to the game; the rules
// themselves live in game::Game.
class Form1 : public QWidget, public game::GameHost {
  Q_OBJECT

 public:
  Form1(sound::SoundOutput& sound, game::RandomSource& random,
        highscore::HighscoreFile highscoreFile = highscore::HighscoreFile());
  ~Form1() override;

  void Form_Load();

  // --- Command buttons ------------------------------------------------------
  void cmdSpielStarten_Click();
  void cmdSpielAbbrechen_Click();
  void cmdTonEinschaltenAusschalten_Click();
  void cmdFelderGrundfarbe_Click();
  void cmdSpielregeln_Click();
  void cmdInformation_Click();
  void cmdHighscoreAnzeigen_Click();
  void Zeigen() { cmdHighscoreAnzeigen_Click(); }
  void cmdHighscoreErneuern_Click();
  void cmdProgrammBeenden_Click();
  void cmdGo_Click();

  // What ending the program does; the real program leaves the event loop.
  void SetQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }

  // --- Symbols on the colour tiles --------------------------------------------
  // Shows the colour tiles with or without their symbols; all fields and
  // prototypes change pictures together, so fields of one colour still
  // share one picture.
  void SetTileSymbols(bool on);
  bool TileSymbols() const { return tileSymbols_; }
  // What happens after the player switched the symbols with F2; the real
  // program remembers the choice for the next run.
  void SetTileSymbolsSwitchedAction(std::function<void(bool)> switched) {
    tileSymbolsSwitched_ = std::move(switched);
  }

  // --- What tests read besides the named controls ---------------------------
  game::Game& game() { return game_; }
  HighscoreWindows* highscoreWindows() const { return highscore_.get(); }
  // What is drawn on the window itself: its background and the frame.
  QImage Drawing() const;
  // The device pixel ratio the window is laid out for.
  qreal FittedRatio() const { return fittedRatio_; }

  // --- game::GameHost ---------------------------------------------------------
  void FieldChanged(int index) override;
  void ScoreChanged(int punkte) override;
  void PlaySound(const std::string& file, int flags) override;
  void BaumZeichnen() override { cmdGo_Click(); }
  void RahmenZeichnen() override;
  void SetWindowColour(game::Rgb colour) override;
  void SetTimerEnabled(bool enabled) override;
  void HidePanels() override;
  void SetStartButtonVisible(bool visible) override;
  void PrepareWindow() override;
  void LoadDialogs() override;
  int ReadHighscoreThreshold() override;
  void RequestHighscoreEntry(int punkte) override;

 protected:
  // Shown on, or moved to, a screen of another scale, the window is laid
  // out anew for it.
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Closed by the desktop (the window has no close box of its own), the
  // program ends as by its quit button instead of running on unseen.
  void closeEvent(QCloseEvent* event) override;
  // Escape closes an open rules or information panel.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateBoard();
  void CreateRightColumn();
  void CreateButtons();
  void CreatePanels();
  void SetBaseColour(const QColor& colour);
  // Whether a press at this point of the window takes hold of the window to
  // move it.
  bool IsMoveHandle(QPoint point) const;
  // Ends the program, however the end was asked for.
  void ProgrammBeenden();
  // Puts the board's fields, the tree canvas and the drag outline on whole
  // device pixels of the screen the window is on.
  void FitToScreen();
  // Paints the window's own drawing over `area`: background, then frame.
  void PaintDrawing(QPainter& painter, const QRect& area, qreal ratio) const;

  TilePicture PictureOf(game::PictureId picture) const;
  void SwitchTileSymbols();

  sound::SoundOutput& sound_;
  game::RandomSource& random_;
  highscore::HighscoreFile highscoreFile_;
  game::Game game_;

  // The window's own drawing is its background and, once drawn, the frame;
  // a new background colour wipes the frame. Kept as these two facts rather
  // than as a window-sized image, and painted afresh on every paint event.
  QColor backColor_ = form1::kWindowColour;
  bool frameDrawn_ = false;
  qreal fittedRatio_ = 0;  // the device pixel ratio the window is laid out for

  std::array<FieldBox*, game::kFieldCount> picP_{};
  std::array<FieldBox*, game::kPrototypeCount> picF_{};
  std::array<QPushButton*, form1::kButtonCount> buttons_{};
  QPushButton* cmdGo_ = nullptr;
  QLabel* lblBreliko_ = nullptr;
  QLabel* lblPunkte_ = nullptr;
  TreeCanvas* picCanvas_ = nullptr;
  QTextEdit* txtSpielregeln_ = nullptr;
  QTextEdit* txtInformation_ = nullptr;
  QTimer* tmrTimer_ = nullptr;
  std::unique_ptr<HighscoreWindows> highscore_;

  std::function<void()> quit_;

  BoardAccessibility* boardAccessibility_ = nullptr;
  BoardInput* input_ = nullptr;  // the mouse drag and the keyboard cursor

  bool tileSymbols_ = false;
  std::function<void(bool)> tileSymbolsSwitched_;
};

}  // namespace breliko::ui
