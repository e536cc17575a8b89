#include "soak_player.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <utility>

#include "board_picture.h"
#include "game/game.h"
#include "game/quiet_host.h"

namespace breliko::game::testing {

namespace {

constexpr int kMaxPunkte = 32767;

// Counts what the window would be asked to show or play.
class CountingHost : public QuietHost {
 public:
  void ScoreChanged(int punkte) override { shownScore = punkte; }
  void PlaySound(const std::string& file, int) override {
    if (file == "sounds/sound3.wav") ++stripes;
    if (file == "sounds/sound4.wav") ++squares;
    if (file == "sounds/sound7.wav") ++gameEnds;
  }
  void BaumZeichnen() override {
    if (onTree) onTree();
  }

  int shownScore = -1;
  std::int64_t stripes = 0;
  std::int64_t squares = 0;
  int gameEnds = 0;
  std::function<void()> onTree;  // runs inside the tree, where events may run
};

bool IsAKnownState(const Field& field) {
  if (field.Tag == kEmptyTag) return !field.HasPicture();
  if (field.Tag == kBlockerTag) return field.Picture == kBlocker && field.DragMode == 0;
  if (field.Tag == kMarkedTag) return field.Picture == kFlames;
  return field.Picture >= kRed && field.Picture <= kJoker &&
         field.Tag == kPrototypeTags[field.Picture] && field.DragMode == 1;
}

bool IsFull(const Board& board) {
  return std::none_of(board.begin(), board.end(), [](const Field& f) { return f.IsEmpty(); });
}

class Soak {
 public:
  explicit Soak(std::uint64_t seed) : random_(seed), player_(seed + 1), game_(host_, random_) {
    game_.Form_Load();  // as the window starts up
    // Now and then the pending tick lands inside a tree, as it can in the window.
    host_.onTree = [this] {
      if (game_.TimerEnabled() && player_.Next() < 0.5) game_.tmrTimer_Timer();
    };
  }

  SoakReport Play(std::int64_t drops) {
    while (report_.drops < drops && report_.failure.empty()) {
      if (!gameRunning_) StartGame();
      PlayOneDrop();
    }
    report_.stripes = host_.stripes;
    report_.squares = host_.squares;
    return report_;
  }

 private:
  void StartGame() {
    game_.cmdSpielStarten_Click();
    gameRunning_ = true;
    stripesAtStart_ = host_.stripes;
    squaresAtStart_ = host_.squares;
    host_.gameEnds = 0;
    blockers_.clear();
    ++report_.games;
  }

  int RandomField() { return static_cast<int>(player_.Next() * kFieldCount); }

  // The player gives each colour one of the nine 3 x 3 blocks as its home
  // and carries tiles home; a home filled with its colour is a square.
  static int HomeBlockOf(int picture) { return picture < kJoker ? picture : -1; }
  static int BlockOf(int field) { return (field / 9) / 3 * 3 + (field % 9) / 3; }

  int EmptyFieldInBlock(int block) const {
    for (int i = 0; i < 9; ++i) {
      const int field = FieldIndex(block / 3 * 3 + i / 3, block % 3 * 3 + i % 3);
      if (game_.picP(field).IsEmpty()) return field;
    }
    return -1;
  }

  // A tile away from home carried there, searched from a random field on.
  std::optional<std::pair<int, int>> HomewardMove() {
    const int first = RandomField();
    for (int i = 0; i < kFieldCount; ++i) {
      const int source = (first + i) % kFieldCount;
      const int home = HomeBlockOf(game_.picP(source).Picture);
      if (!game_.CanDrag(source) || home < 0 || BlockOf(source) == home) continue;
      const int target = EmptyFieldInBlock(home);
      if (target >= 0) return std::pair(source, target);
    }
    return std::nullopt;
  }

  // Most moves carry a tile home; the rest are blind.
  std::pair<int, int> ChooseMove() {
    if (player_.Next() < 0.7) {
      if (const auto move = HomewardMove()) return *move;
    }
    return {RandomField(), RandomField()};
  }

  void PlayOneDrop() {
    const auto [source, target] = ChooseMove();
    if (!game_.CanDrag(source)) return;
    game_.picP_DragDrop(target, source);
    ++report_.drops;
    CheckAfterDrop();
    // The tick comes later, even on an ended game.
    if (game_.TimerEnabled() && player_.Next() < 0.7) game_.tmrTimer_Timer();
    if (host_.gameEnds > 0 && report_.failure.empty()) EndGame();
  }

  void CheckAfterDrop() {
    const Board& board = game_.picP();
    for (int i = 0; i < kFieldCount; ++i) {
      if (!IsAKnownState(board[i])) return Fail("field " + std::to_string(i) + " is in no state");
    }
    const std::int64_t earned =
        4 * (host_.stripes - stripesAtStart_) + 17 * (host_.squares - squaresAtStart_);
    if (game_.Punkte() != std::min<std::int64_t>(earned, kMaxPunkte))
      return Fail("the score is " + std::to_string(game_.Punkte()) + ", the dissolutions earned " +
                  std::to_string(earned));
    if (host_.shownScore != game_.Punkte()) return Fail("the shown score lags behind");
    for (int b : blockers_) {
      if (board[b].Tag != kBlockerTag) return Fail("the blocker on " + std::to_string(b) + " left");
    }
    for (int i = 0; i < kFieldCount; ++i) {
      if (board[i].Tag == kBlockerTag) blockers_.insert(i);
    }
    if ((host_.gameEnds > 0) != IsFull(board)) return Fail("the game must end exactly when full");
    if (host_.gameEnds > 1) return Fail("the game ended twice");
  }

  void EndGame() {
    for (int i = 0; i < kFieldCount; ++i) {
      if (game_.CanDrag(i)) return Fail("a field of the ended game can still be dragged");
    }
    game_.cmdSpielAbbrechen_Click();
    gameRunning_ = false;
  }

  void Fail(const std::string& what) {
    std::ostringstream text;
    text << what << " after drop " << report_.drops << " (game " << report_.games << ")"
         << PictureOf(game_.picP());
    report_.failure = text.str();
  }

  CountingHost host_;
  SeededRandomSource random_;
  SeededRandomSource player_;
  Game game_;
  SoakReport report_;
  bool gameRunning_ = false;
  std::int64_t stripesAtStart_ = 0;
  std::int64_t squaresAtStart_ = 0;
  std::set<int> blockers_;
};

}  // namespace

SoakReport PlaySoak(std::int64_t drops, std::uint64_t seed) { return Soak(seed).Play(drops); }

}  // namespace breliko::game::testing
