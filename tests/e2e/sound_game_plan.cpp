// Plans a whole game for the end-to-end sound test. The real window,
// started with BRELIKO_TEST_SEED, draws the same random numbers as this
// plan, so a player who makes the planned drops sees the planned board and
// hears the planned sounds: the plan picks a seed whose game brings every
// sound of the game at least once.
//
//   sound_game_plan [FIRST_SEED]
//
// prints "seed S", then one line for the start (Alt+L) and one per drop:
//   start - - SOUNDS OCCUPIED
//   drop FROM TO SOUNDS OCCUPIED
// SOUNDS lists the sounds the step plays as NUMBER/FLAGS ("2/1,5/0"; "-"
// for none), OCCUPIED the fields that hold a picture once the flames of
// the step have burnt out ("-" for none), both comma-separated.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/quiet_host.h"
#include "tree/fractal_tree.h"

namespace breliko::game {
namespace {

// The window's tree canvas: 148 pixels square inside, in twips.
constexpr float kCanvasTwips = 148 * 15;
constexpr int kMostDrops = 60;
constexpr int kLastSeed = 100000;

// Stands in for the main window: records the sounds, and draws each tree
// with the window's generator so that the game's later numbers follow.
class PlanningHost : public QuietHost {
 public:
  explicit PlanningHost(RandomSource& random) : random_(random) {}

  void PlaySound(const std::string& file, int flags) override {
    // "sounds/soundN.wav"
    played.push_back(file.substr(file.size() - 5, 1) + "/" + std::to_string(flags));
  }
  void BaumZeichnen() override {
    random_.Reseed();
    tree::FractalTree tree([this] { return random_.Next(); }, [](const tree::Line&) {});
    tree.PlaceTrunkFoot(kCanvasTwips, kCanvasTwips);
    tree.DrawTree(kCanvasTwips);
  }
  // The test's highscore list is out of reach: no game asks for a name.
  int ReadHighscoreThreshold() override { return 32000; }

  std::vector<std::string> played;

 private:
  RandomSource& random_;
};

struct Step {
  int from = -1;
  int to = -1;
  std::vector<std::string> sounds;
  std::vector<int> occupied;
};

std::string Joined(const std::vector<std::string>& items) {
  if (items.empty()) return "-";
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
  return text;
}

// A player who gives each colour one 3 x 3 block of the board as its home
// and carries tiles home, as a player building squares does; with no such
// move left the first tile found is dropped onto its own field, which
// brings new tiles.
class PlannedGame {
 public:
  explicit PlannedGame(std::uint64_t seed)
      : random_(seed), player_(seed), host_(random_), game_(host_, random_) {
    game_.Form_Load();
    host_.played.clear();
    game_.cmdSpielStarten_Click();
    Record(-1, -1);
    while (!game_.SpielEnde() && static_cast<int>(steps_.size()) <= kMostDrops && !Full()) {
      const auto [from, to] = ChooseMove();
      game_.picP_DragDrop(to, from);
      Record(from, to);
    }
  }

  const std::vector<Step>& Steps() const { return steps_; }

 private:
  static int BlockOf(int field) { return (field / 9) / 3 * 3 + (field % 9) / 3; }

  bool Full() const {
    for (int i = 0; i < kFieldCount; ++i) {
      if (game_.picP(i).IsEmpty()) return false;
    }
    return true;
  }

  std::optional<int> EmptyFieldInBlock(int block) const {
    for (int i = 0; i < 9; ++i) {
      const int field = FieldIndex(block / 3 * 3 + i / 3, block % 3 * 3 + i % 3);
      if (game_.picP(field).IsEmpty()) return field;
    }
    return std::nullopt;
  }

  std::pair<int, int> ChooseMove() {
    const int first = static_cast<int>(player_.Next() * kFieldCount);
    std::optional<int> anyTile;
    for (int i = 0; i < kFieldCount; ++i) {
      const int source = (first + i) % kFieldCount;
      // A field emptied by an earlier move may still take a drag; it would
      // carry nothing.
      if (!game_.CanDrag(source) || !game_.picP(source).HasPicture()) continue;
      if (!anyTile) anyTile = source;
      const int home = game_.picP(source).Picture;
      if (home >= kJoker || BlockOf(source) == home) continue;
      if (const auto target = EmptyFieldInBlock(home)) return {source, *target};
    }
    return {*anyTile, *anyTile};
  }

  void Record(int from, int to) {
    // The test waits for the flames to burn out before its next drop.
    if (game_.TimerEnabled()) game_.tmrTimer_Timer();
    Step step{from, to, std::move(host_.played), {}};
    host_.played.clear();
    for (int i = 0; i < kFieldCount; ++i) {
      if (game_.picP(i).HasPicture()) step.occupied.push_back(i);
    }
    steps_.push_back(std::move(step));
  }

  SeededRandomSource random_;
  SeededRandomSource player_;
  PlanningHost host_;
  Game game_;
  std::vector<Step> steps_;
};

bool Plays(const Step& step, const std::vector<std::string>& sounds) {
  return step.sounds == sounds;
}

bool EndsWith(const Step& step, const std::string& sound) {
  return !step.sounds.empty() && step.sounds.back() == sound;
}

bool HasSound(const Step& step, const std::string& sound) {
  for (const std::string& s : step.sounds) {
    if (s == sound) return true;
  }
  return false;
}

// A game the test can use: it ends with the game-end sound, and among its
// drops are a plain one, a stripe and a square heard on their own, and a
// blocker early on (the test cuts the sound server in the middle of it)
// that is not the game's last drop.
bool Suits(const std::vector<Step>& steps) {
  const Step& last = steps.back();
  if (!HasSound(last, "7/0") || static_cast<int>(steps.size()) > kMostDrops) return false;
  bool plain = false;
  bool stripe = false;
  bool square = false;
  bool blocker = false;
  for (std::size_t i = 1; i + 1 < steps.size(); ++i) {
    plain = plain || Plays(steps[i], {"2/1"});
    stripe = stripe || (EndsWith(steps[i], "3/1") && !HasSound(steps[i], "5/0"));
    square = square || (EndsWith(steps[i], "4/1") && !HasSound(steps[i], "5/0"));
    blocker = blocker || (i <= 12 && Plays(steps[i], {"2/1", "5/0"}));
  }
  return plain && stripe && square && blocker;
}

std::string Fields(const std::vector<int>& fields) {
  std::vector<std::string> items;
  for (int field : fields) items.push_back(std::to_string(field));
  return Joined(items);
}

}  // namespace
}  // namespace breliko::game

int main(int argc, char** argv) {
  using namespace breliko::game;
  const std::uint64_t first = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1;
  for (std::uint64_t seed = first; seed < first + kLastSeed; ++seed) {
    const PlannedGame game(seed);
    if (!Suits(game.Steps())) continue;
    std::cout << "seed " << seed << "\n";
    for (const Step& step : game.Steps()) {
      std::cout << (step.from < 0
                        ? "start - -"
                        : "drop " + std::to_string(step.from) + " " + std::to_string(step.to))
                << " " << Joined(step.sounds) << " " << Fields(step.occupied) << "\n";
    }
    return 0;
  }
  std::cerr << "no seed from " << first << " on brings a suitable game\n";
  return 1;
}
