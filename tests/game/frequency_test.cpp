#include "game_fixture.h"

namespace breliko::game::testing {
namespace {

// Over many seeded tries each chance comes up about as often as its
// threshold says; the tolerance is several standard deviations wide.
class ChanceTest : public ::testing::Test {
 protected:
  ChanceTest() : game(host, random) {}
  FakeHost host;
  SeededRandom random{42};
  Game game;
};

TEST_F(ChanceTest, ABlockerComesInAboutOneDropOfTwentySix) {
  constexpr int kTries = 200000;
  int blockers = 0;
  for (int i = 0; i < kTries; ++i) {
    game.FeldSperren();
    if (std::any_of(game.picP().begin(), game.picP().end(),
                    [](const Field& f) { return f.Tag == "voll"; })) {
      ++blockers;
      game.cmdSpielAbbrechen_Click();
    }
  }
  // x = r × 9.36 above 9 after rounding: r > 0.961592, 3.84 %.
  EXPECT_NEAR(blockers / double(kTries), 0.0384, 0.0015);
}

TEST_F(ChanceTest, AColourDissolvesByChanceInAboutOneDropOfSeventy) {
  constexpr int kTries = 200000;
  for (int i = 0; i < kTries; ++i) game.ZufallsAufloesung();
  // x = r × 7.1 above 7 after rounding: r > 0.985923, 1.41 %.
  EXPECT_NEAR(host.windowColours.size() / double(kTries), 0.0141, 0.001);
}

}  // namespace
}  // namespace breliko::game::testing
