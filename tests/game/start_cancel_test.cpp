#include "game_fixture.h"

namespace breliko::game::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(GameTest, StartUpRunsItsDutiesInOrderAndPlaysTheStartUpSound) {
  host.threshold = 123;
  game.Form_Load();
  EXPECT_THAT(host.events, ElementsAre("PrepareWindow", "LoadDialogs", "ReadHighscoreThreshold"));
  EXPECT_EQ(host.trees, 1);
  EXPECT_EQ(host.shownScore, 0);
  EXPECT_EQ(game.HighscoreGrenze(), 123);
  EXPECT_TRUE(game.TonAn());
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound1.wav/1"));
  EXPECT_EQ(game.FarbFaktor().Units(), 71800);
  for (const Field& field : game.picP()) {
    EXPECT_TRUE(field.IsEmpty());
    EXPECT_FALSE(field.HasPicture());
    EXPECT_EQ(field.DragMode, 0);
    EXPECT_TRUE(field.Enabled);
  }
}

// Start-up sets the points a stripe and a square earn.
TEST_F(GameTest, AfterStartUpAStripeEarnsFourPointsAndASquareSeventeen) {
  game.Form_Load();
  Lay({"J J J J J . . . ."});
  game.Zeilen();
  EXPECT_EQ(game.Punkte(), 4);
  Lay({"G G G . . . . . .", "G G G . . . . . .", "G G G . . . . . ."});
  random.Script({DissolvedColourDraw(kRed)});
  game.QuadrateOben();
  EXPECT_EQ(game.Punkte(), 21);
}

// Start-up switches the sound on before the start-up sound, whatever the
// switch said before.
TEST_F(GameTest, StartUpSwitchesTheSoundOnBeforeItsSound) {
  game.SetTonAn(false);
  game.Form_Load();
  EXPECT_TRUE(game.TonAn());
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound1.wav/1"));
}

TEST_F(GameTest, StartOccupiesThreeDistinctDraggableFieldsDrawingColourBeforePosition) {
  // The second and third positions first hit an occupied place and are drawn again.
  random.Script({ColourDraw(kRed), PositionDraw(40), ColourDraw(kJoker), PositionDraw(40),
                 PositionDraw(0), ColourDraw(kBlue), PositionDraw(0), PositionDraw(40),
                 PositionDraw(80)});
  game.cmdSpielStarten_Click();

  EXPECT_EQ(random.Left(), 0u);
  EXPECT_EQ(random.reseeds, 1);
  EXPECT_EQ(Occupied(), 3);
  const std::vector<std::pair<int, int>> expected = {{40, kRed}, {0, kJoker}, {80, kBlue}};
  for (const auto& [index, colour] : expected) {
    const Field& field = game.picP(index);
    EXPECT_EQ(field.Picture, colour);
    EXPECT_EQ(field.Tag, kPrototypeTags[colour]);
    EXPECT_TRUE(game.CanDrag(index));
  }
  EXPECT_EQ(game.Punkte(), 0);
  EXPECT_FALSE(host.startButtonVisible);
  EXPECT_EQ(host.panelsHidden, 2);  // by the start and by the cancel inside it
  EXPECT_EQ(host.sounds.back(), "sounds/sound2.wav/1");
}

TEST_F(GameTest, CancelRestoresTheEmptyEnabledBoardFromAnEndedGame) {
  Lay({"R O Y G C B M J X", "R O Y G C B M J X", "F O Y G C B M J X", "R O Y G C B M J X",
       "R O Y G C B M J X", "G O Y G C B M J X", "R O Y G C B M J X", "R O Y G C B M J X",
       "R O Y G C B M J X"});
  for (int i = 0; i < kFieldCount; ++i) {
    Field field = game.picP(i);
    field.Enabled = false;
    game.SetField(i, field);
  }
  host.startButtonVisible = false;
  host.shownScore = 99;

  game.cmdSpielAbbrechen_Click();

  for (int i = 0; i < kFieldCount; ++i) {
    const Field& field = game.picP(i);
    EXPECT_TRUE(field.IsEmpty()) << i;
    EXPECT_FALSE(field.HasPicture()) << i;
    EXPECT_EQ(field.DragMode, 0) << i;
    EXPECT_TRUE(field.Enabled) << i;
  }
  EXPECT_EQ(game.Punkte(), 0);
  EXPECT_EQ(host.shownScore, 0);
  EXPECT_TRUE(host.startButtonVisible);
  EXPECT_EQ(host.panelsHidden, 1);
}

TEST_F(GameTest, CancelWhileFlamesBurnLeavesTheTickOnlyTheColours) {
  Lay({"F F . . . . . . ."});
  game.cmdSpielAbbrechen_Click();
  EXPECT_EQ(Occupied(), 0);
  game.tmrTimer_Timer();
  EXPECT_EQ(Occupied(), 0);
  EXPECT_EQ(host.windowColours.back(), (Rgb{0, 127, 0}));
  EXPECT_EQ(host.frames, 1);
}

}  // namespace
}  // namespace breliko::game::testing
