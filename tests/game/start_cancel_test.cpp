#include <sstream>

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

// --- The next game in the same run -------------------------------------------

const std::string kEmptyRow = ". . . . . . . . .";

// Everything the rules keep from one event to the next, and what they asked
// of the window since the last look.
std::string Look(const Game& game, FakeHost& host, ScriptedRandom& random) {
  std::ostringstream text;
  text << PictureOf(game.picP());
  for (int i = 0; i < kFieldCount; ++i)
    text << game.picP(i).DragMode << game.picP(i).Enabled << game.CanDrag(i);
  text << "\npoints " << game.Punkte() << " factor " << game.FarbFaktor().Units() << " sound "
       << game.TonAn() << " threshold " << game.HighscoreGrenze() << " flags " << game.SpielEnde()
       << game.SpaltenGefunden() << game.ZeilenGefunden() << game.DiagonalenGefunden()
       << game.QuadrateObenGefunden() << game.QuadrateUntenGefunden() << " timer "
       << game.TimerEnabled() << " trees " << host.trees << " reseeds " << random.reseeds
       << " start button " << host.startButtonVisible << " entries " << host.entries.size()
       << " sounds";
  for (const std::string& sound : host.sounds) text << " " << sound;
  host.sounds.clear();
  host.trees = random.reseeds = 0;
  return text.str();
}

// A start; a drop whose new fields complete a row for the second scan, with
// a chance dissolution and a blocker after it; the tick; a quiet drop of the
// empty former source. What the rules hold after each step.
std::vector<std::string> PlayScriptedGame(Game& game, FakeHost& host, ScriptedRandom& random) {
  Look(game, host, random);  // from here on only this game's doings count
  random.Script({ColourDraw(kRed), PositionDraw(0), ColourDraw(kRed), PositionDraw(1),
                 ColourDraw(kBlue), PositionDraw(50)});
  game.cmdSpielStarten_Click();
  // The tick of flames that burnt when the last game was cancelled.
  if (game.TimerEnabled()) game.tmrTimer_Timer();
  std::vector<std::string> steps = {Look(game, host, random)};
  // As start-up left them in a fresh program: every flag down.
  EXPECT_THAT(steps[0], ::testing::HasSubstr(" flags 000000 "));
  random.Script({ColourDraw(kRed), PositionDraw(2), ColourDraw(kRed), PositionDraw(3),
                 ColourDraw(kRed), PositionDraw(4), kChanceDissolution, DissolvedColourDraw(kBlue),
                 kBlockerComes, PositionDraw(60)});
  game.picP_DragDrop(51, 50);
  EXPECT_EQ(PictureOf(game.picP()),
            PictureOf(BoardFromPicture({kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow,
                                        ". . . . . . F . .", ". . . . . . X . ."})));
  steps.push_back(Look(game, host, random));
  game.tmrTimer_Timer();
  steps.push_back(Look(game, host, random));
  random.Script({ColourDraw(kGreen), PositionDraw(30), ColourDraw(kCyan), PositionDraw(31),
                 ColourDraw(kJoker), PositionDraw(32), kNoChanceDissolution, DissolvedColourDraw(0),
                 kNoBlocker, PositionDraw(0)});
  game.picP_DragDrop(20, 50);
  steps.push_back(Look(game, host, random));
  EXPECT_EQ(game.Punkte(), 4);
  EXPECT_EQ(random.Left(), 0u);
  return steps;
}

enum class Cancel { kNone, kInTheTree, kAfterTheDrop };
struct EndingCase {
  std::string name;
  std::vector<std::string> board;
  std::vector<double> draws;
  std::pair<int, int> drop;  // the last drop's target and source
  Cancel cancel;
};
void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.name; }

class NextGameTest : public GameTest, public ::testing::WithParamInterface<EndingCase> {};

// However a game ended, the next plays step by step as the first game of a
// freshly started program; only the threshold and the sound switch carry
// over. A cancel in a tree is a click handled while the tree lets events
// run; the drop then goes on to its end on the emptied board.
TEST_P(NextGameTest, PlaysAsTheFirstGameOfAFreshProgram) {
  const EndingCase& c = GetParam();
  host.threshold = 30;
  game.Form_Load();
  random.Script({ColourDraw(kOrange), PositionDraw(10), ColourDraw(kYellow), PositionDraw(20),
                 ColourDraw(kJoker), PositionDraw(30)});
  game.cmdSpielStarten_Click();
  Lay(c.board);
  random.Script(c.draws);
  if (c.cancel == Cancel::kInTheTree)
    host.onTree = [this] {
      host.onTree = nullptr;
      game.cmdSpielAbbrechen_Click();
    };
  game.picP_DragDrop(c.drop.first, c.drop.second);
  if (c.cancel == Cancel::kAfterTheDrop) game.cmdSpielAbbrechen_Click();
  ASSERT_EQ(random.Left(), 0u);
  ASSERT_FALSE(host.onTree) << "the tree came";

  FakeHost freshHost;
  ScriptedRandom freshRandom;
  Game fresh(freshHost, freshRandom);
  freshHost.threshold = 30;
  fresh.Form_Load();
  EXPECT_EQ(PlayScriptedGame(game, host, random), PlayScriptedGame(fresh, freshHost, freshRandom));
}

INSTANTIATE_TEST_SUITE_P(
    Endings, NextGameTest,
    ::testing::Values(
        EndingCase{"FullBoard",
                   kAlmostFull,
                   {ColourDraw(kJoker), PositionDraw(79), ColourDraw(kJoker), PositionDraw(80)},
                   {0, 0},
                   Cancel::kNone},
        // The new fields complete a column: after the cancel in its tree the
        // drop brings flames and a blocker to the empty board.
        EndingCase{
            "CancelDuringTheDrop",
            {"G . . . . . . . .", "G . . . . . . . .", "G . . . . . . . .", "G . . . . . . . .",
             kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, "M . . . . . . . ."},
            {ColourDraw(kGreen), PositionDraw(36), ColourDraw(kRed), PositionDraw(40),
             ColourDraw(kRed), PositionDraw(41), kChanceDissolution, DissolvedColourDraw(kRed),
             kBlockerComes, PositionDraw(44)},
            {72, 72},
            Cancel::kInTheTree},
        EndingCase{"CancelWhileFlamesBurn",
                   {"R O . . . . . . ."},
                   {ColourDraw(kRed), PositionDraw(70), ColourDraw(kBlue), PositionDraw(71),
                    ColourDraw(kGreen), PositionDraw(72), kChanceDissolution,
                    DissolvedColourDraw(kRed), kNoBlocker, PositionDraw(0)},
                   {1, 1},
                   Cancel::kAfterTheDrop},
        // The stripe is credited after its tree, on the emptied board.
        EndingCase{"CancelDuringAStripesTree",
                   {"R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .",
                    "R . . . . . . . .", ". R . . . . . . ."},
                   {},
                   {36, 37},
                   Cancel::kInTheTree},
        EndingCase{"CancelDuringASquaresTree",
                   {"B B B . . . . . .", "B B B . . . . . .", "B B . B . . . . ."},
                   {DissolvedColourDraw(kBlue)},
                   {20, 21},
                   Cancel::kInTheTree}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace breliko::game::testing
