#include <set>

#include "game_fixture.h"

namespace breliko::game::testing {
namespace {

// Plays many seeded games to their end through the engine alone, with a
// player who drags random fields to random places, and checks after every
// drop what must always hold.
class CountingHost : public FakeHost {
 public:
  void PlaySound(const std::string& file, int flags) override {
    if (file == "sounds/sound3.wav") ++stripes;
    if (file == "sounds/sound4.wav") ++squares;
    if (file == "sounds/sound7.wav") ++gameEnds;
    FakeHost::PlaySound(file, flags);
  }
  int stripes = 0;
  int squares = 0;
  int gameEnds = 0;
};

// A field matches one of the states a field can be in.
::testing::AssertionResult IsAKnownState(const Field& field) {
  if (field.Tag == kEmptyTag && !field.HasPicture()) return ::testing::AssertionSuccess();
  if (field.Tag == kBlockerTag && field.Picture == kBlocker && field.DragMode == 0)
    return ::testing::AssertionSuccess();
  if (field.Tag == kMarkedTag && field.Picture == kFlames) return ::testing::AssertionSuccess();
  if (field.Picture >= kRed && field.Picture <= kJoker &&
      field.Tag == kPrototypeTags[field.Picture] && field.DragMode == 1) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "picture " << field.Picture << " with tag \"" << field.Tag
                                       << "\" and drag mode " << field.DragMode;
}

TEST(SoakTest, SeededRandomGamesKeepTheirInvariantsToTheEnd) {
  CountingHost host;
  SeededRandom random(1);
  Game game(host, random);
  SeededRandom player(2);
  // Now and then the pending tick lands inside a tree, as it can in the window.
  host.onTree = [&] {
    if (game.TimerEnabled() && player.Next() < 0.5) game.tmrTimer_Timer();
  };

  constexpr int kGames = 1000;
  int drops = 0;
  for (int g = 0; g < kGames; ++g) {
    game.cmdSpielStarten_Click();
    host.stripes = host.squares = host.gameEnds = 0;
    std::set<int> blockers;
    while (host.gameEnds == 0) {
      ASSERT_LT(drops, 1000000) << "a game that never ends";
      const int source = static_cast<int>(player.Next() * kFieldCount);
      const int target = static_cast<int>(player.Next() * kFieldCount);
      if (!game.CanDrag(source)) continue;
      game.picP_DragDrop(target, source);
      ++drops;

      const Board& board = game.picP();
      for (int i = 0; i < kFieldCount; ++i)
        ASSERT_TRUE(IsAKnownState(board[i])) << "field " << i << PictureOf(board);
      ASSERT_EQ(game.Punkte(), 4 * host.stripes + 17 * host.squares);
      ASSERT_EQ(host.shownScore, game.Punkte());
      for (int b : blockers) ASSERT_EQ(board[b].Tag, kBlockerTag) << "a blocker vanished";
      for (int i = 0; i < kFieldCount; ++i) {
        if (board[i].Tag == kBlockerTag) blockers.insert(i);
      }
      const bool full =
          std::none_of(board.begin(), board.end(), [](const Field& f) { return f.IsEmpty(); });
      ASSERT_EQ(host.gameEnds > 0, full)
          << "the game ends exactly on a full board" << PictureOf(board);
      // The tick comes later, even on an ended game.
      if (game.TimerEnabled() && player.Next() < 0.7) game.tmrTimer_Timer();
    }
    ASSERT_EQ(host.gameEnds, 1) << "one end per game";
    for (int i = 0; i < kFieldCount; ++i) ASSERT_FALSE(game.CanDrag(i));
    game.cmdSpielAbbrechen_Click();
  }
  EXPECT_GT(drops, kGames * 10);
}

}  // namespace
}  // namespace breliko::game::testing
