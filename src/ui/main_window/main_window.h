// Main window: Form1, the board, the score, the tree and the command buttons.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

#include "game/game.h"
#include "highscore/highscore_file.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/main_window_controls.h"
#include "ui/main_window/turn_story.h"
#include "ui/main_window/window_frame.h"

namespace breliko::sound {
class SoundOutput;
}  // namespace breliko::sound

namespace breliko::ui {

class BoardAccessibility;
class BoardInput;
class HighscoreWindows;
class SpokenNews;

// The main window: the board on the left, title, score, tree and command
// buttons on the right, the rules and information panels over the board.
// It shows the game's state and hands every event to the game; the rules
// live in game::Game, taking hold of a field in BoardInput.
class Form1 : public QWidget, public game::GameHost {
  Q_OBJECT

 public:
  Form1(sound::SoundOutput& sound, game::RandomSource& random,
        highscore::HighscoreFile highscoreFile = highscore::HighscoreFile());
  ~Form1() override;

  void Form_Load();

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

  // The symbols on the colour tiles, switched by the player with F2; the
  // real program remembers the choice for the next run.
  void SetTileSymbols(bool on);
  bool TileSymbols() const { return tileSymbols_; }
  void SetTileSymbolsSwitchedAction(std::function<void(bool)> switched) {
    tileSymbolsSwitched_ = std::move(switched);
  }

  // What tests read besides the named controls.
  game::Game& game() { return game_; }
  HighscoreWindows* highscoreWindows() const { return highscore_.get(); }

  // game::GameHost
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
  void TileMoved(int from, int to) override;
  void ShapeDissolving(game::Shape shape, int first, int last, game::PictureId colour) override;
  void TilePlaced(int index) override;
  void ColourBurning(game::PictureId colour) override;
  void BlockerPlaced(int index) override;
  void GameEnded(int punkte) override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetBaseColour(const QColor& colour);
  void ProgrammBeenden();
  void FitToScreen();
  TilePicture PictureOf(game::PictureId picture) const;
  void SwitchTileSymbols();
  void BeginDropStory();
  void TellDropStory();

  sound::SoundOutput& sound_;
  game::RandomSource& random_;
  highscore::HighscoreFile highscoreFile_;
  game::Game game_;

  form1::Controls ui_;
  WindowDrawing drawing_{form1::kWindowColour};
  qreal fittedRatio_ = 0;  // the device pixel ratio the window is laid out for
  std::unique_ptr<HighscoreWindows> highscore_;
  BoardAccessibility* boardAccessibility_ = nullptr;
  BoardInput* input_ = nullptr;
  // What a start, a drop or a cancel brought, for a screen reader to speak.
  TurnStory story_;
  SpokenNews* news_ = nullptr;
  int dropsRunning_ = 0;  // a drop released inside another one's tree
  std::function<void()> quit_;
  bool tileSymbols_ = false;
  std::function<void(bool)> tileSymbolsSwitched_;
};

}  // namespace breliko::ui
