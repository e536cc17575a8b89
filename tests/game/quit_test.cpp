// Quitting in the middle of a drop: the quit button runs inside the tree of
// a stripe, and the drop gives up the rest of its turn.
#include "game_fixture.h"

namespace breliko::game::testing {
namespace {

using ::testing::ElementsAre;

class QuitTest : public GameTest {};

// The new field at 36 completes column 0 in the second series. Its tree lets
// the quit run; left to go on, the drop would credit the stripe, set the
// jokers on fire by chance and place a blocker with its waiting sound.
TEST_F(QuitTest, AQuitInsideATreeAbandonsTheRestOfTheDrop) {
  Lay({"R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .",
       ". . . . . . . . .", ". . . . B . . . ."});
  host.onTree = [&] { game.Beenden(); };
  random.Script({ColourDraw(kRed), PositionDraw(36), ColourDraw(kBlue), PositionDraw(50),
                 ColourDraw(kGreen), PositionDraw(60), kChanceDissolution,
                 DissolvedColourDraw(kJoker), kBlockerComes, PositionDraw(80)});
  game.picP_DragDrop(49, 49);

  EXPECT_TRUE(game.Beendet());
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound2.wav/1", "sounds/sound3.wav/1"));
  EXPECT_EQ(host.trees, 1);
  EXPECT_EQ(game.Punkte(), 0) << "the stripe is not credited";
  EXPECT_FALSE(host.timerEnabled) << "no colour goes up in flames";
  EXPECT_TRUE(game.picP(80).IsEmpty()) << "no blocker";
  EXPECT_EQ(random.Left(), 4u) << "nothing drawn after the quit";
}

TEST_F(QuitTest, AQuitInsideTheTreeOfASquareLeavesNoFlames) {
  Lay({"M M M . . . . . .", "M M M . . . . . .", "M M . . . . . . .", ". . . . . . . . .",
       ". . . . . . . . M"});
  host.onTree = [&] { game.Beenden(); };
  game.picP_DragDrop(20, 44);

  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound4.wav/1"));
  EXPECT_EQ(game.Punkte(), 0);
  EXPECT_FALSE(host.timerEnabled);
  EXPECT_EQ(random.Left(), 0u);
}

// After the quit the game answers no event that was still waiting.
TEST_F(QuitTest, AfterTheQuitNoHandlerDoesAnything) {
  Lay({"R . . . . . . . .", ". . . . . . . . .", ". . . . . . . . F"});
  host.timerEnabled = true;
  const std::string before = Picture();
  game.Beenden();

  game.picP_DragDrop(1, 0);
  game.tmrTimer_Timer();
  game.cmdSpielStarten_Click();
  game.cmdSpielAbbrechen_Click();
  game.TonSpielen("sounds/sound6.wav", 1);

  EXPECT_EQ(Picture(), before);
  EXPECT_TRUE(host.sounds.empty());
  EXPECT_EQ(host.panelsHidden, 0);
  EXPECT_EQ(random.reseeds, 0);
}

}  // namespace
}  // namespace breliko::game::testing
