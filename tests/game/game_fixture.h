#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "board_picture.h"
#include "game/game.h"

namespace breliko::game::testing {

// Random numbers a test states in advance. Running out is a test failure:
// the test then knows exactly which draws the rules took.
class ScriptedRandom : public RandomSource {
 public:
  void Script(std::vector<double> values) {
    values_.insert(values_.end(), values.begin(), values.end());
  }
  double Next() override;
  void Reseed() override { ++reseeds; }
  std::size_t Left() const { return values_.size(); }

  int reseeds = 0;

 private:
  std::deque<double> values_;
  int overdrawn_ = 0;
};

using SeededRandom = SeededRandomSource;

// A uniform number that the colour draw turns into `colour` (0..7), and
// one that the position draw turns into `index`.
double ColourDraw(int colour);
double PositionDraw(int index);
// Draws that make the blocker and the chance dissolution happen or not.
inline constexpr double kNoBlocker = 0.0;
inline constexpr double kBlockerComes = 0.99;
inline constexpr double kNoChanceDissolution = 0.0;
inline constexpr double kChanceDissolution = 0.995;
double DissolvedColourDraw(int colour);  // the colour of a dissolution (factor 8)

// Records what the engine asks of the window.
class FakeHost : public GameHost {
 public:
  void FieldChanged(int index) override;
  void ScoreChanged(int punkte) override { shownScore = punkte; }
  void PlaySound(const std::string& file, int flags) override {
    sounds.push_back(file + "/" + std::to_string(flags));
  }
  void BaumZeichnen() override {
    ++trees;
    if (onTree) onTree();
  }
  void RahmenZeichnen() override { ++frames; }
  void SetWindowColour(Rgb colour) override { windowColours.push_back(colour); }
  void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
  void HidePanels() override { ++panelsHidden; }
  void SetStartButtonVisible(bool visible) override { startButtonVisible = visible; }
  void PrepareWindow() override { events.push_back("PrepareWindow"); }
  void LoadDialogs() override { events.push_back("LoadDialogs"); }
  int ReadHighscoreThreshold() override {
    events.push_back("ReadHighscoreThreshold");
    return threshold;
  }
  void RequestHighscoreEntry(int punkte) override { entries.push_back(punkte); }

  int shownScore = -1;
  std::vector<std::string> sounds;
  int trees = 0;
  std::function<void()> onTree;  // runs inside the tree, where events may run
  int frames = 0;
  std::vector<Rgb> windowColours;
  bool timerEnabled = false;
  int panelsHidden = 0;
  bool startButtonVisible = true;
  std::vector<std::string> events;
  int threshold = 0;
  std::vector<int> entries;

  // What the window shows of each field of `game` (its picture, and whether
  // it takes the mouse) as far as FieldChanged told it.
  void Show(const Game& game) { shownGame_ = &game; }
  Board shown;

  // From here on, `emptied` lists the fields of `game` in the order they
  // were emptied.
  void Watch(const Game& game);
  std::vector<int> emptied;

 private:
  const Game* shownGame_ = nullptr;
  const Game* watched_ = nullptr;
  std::array<bool, kFieldCount> wasEmpty_{};
};

// Lays out a board from lines of nine symbols, separated by blanks, one line
// a row from the top; rows left out are empty:
//   . empty   R O Y G C B M colours   J joker   X blocker   F flames
Board BoardFromPicture(const std::vector<std::string>& rows);

// A board without a stripe or square, full but for fields 79 and 80.
inline const std::vector<std::string> kAlmostFull = {
    "R O Y G C B M R O", "Y G C B M R O Y G", "C B M R O Y G C B",
    "M R O Y G C B M R", "O Y G C B M R O Y", "G C B M R O Y G C",
    "B M R O Y G C B M", "R O Y G C B M R O", "Y G C B M R O . ."};

class GameTest : public ::testing::Test {
 protected:
  GameTest() : game(host, random) { host.Show(game); }
  // Every test ends with the window showing the board the rules hold.
  void TearDown() override;

  // Puts the picture on the board of a running game.
  void Lay(const std::vector<std::string>& rows);
  std::string Picture() const { return PictureOf(game.picP()); }
  int Occupied() const;
  int Empty() const { return kFieldCount - Occupied(); }

  // The draws of a drop that dissolves nothing: three new fields, then no
  // chance dissolution and no blocker.
  void ScriptQuietTurn(const std::vector<std::pair<int, int>>& newFields);

  FakeHost host;
  ScriptedRandom random;
  Game game;
};

}  // namespace breliko::game::testing
