#include "game_fixture.h"

namespace breliko::game::testing {
namespace {

using ::testing::ElementsAre;

class DropTest : public GameTest {
 protected:
  void SetUp() override {
    host.startButtonVisible = false;  // a game is running
  }
};

// --- The move ---------------------------------------------------------------

TEST_F(DropTest, AMoveCarriesPictureAndTagAndLeavesTheSourceDraggable) {
  Lay({"R . . . . . . . ."});
  ScriptQuietTurn({{kBlue, 70}, {kGreen, 71}, {kCyan, 72}});
  game.picP_DragDrop(40, 0);

  EXPECT_EQ(game.picP(40).Picture, kRed);
  EXPECT_EQ(game.picP(40).Tag, "10000000");
  EXPECT_EQ(game.picP(40).DragMode, 1);
  EXPECT_FALSE(game.picP(0).HasPicture());
  EXPECT_EQ(game.picP(0).Tag, "0");
  EXPECT_TRUE(game.CanDrag(0)) << "the ex-source still starts a drag";
  EXPECT_EQ(Occupied(), 4);
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound2.wav/1"));
}

// A release outside the board is no drop: nothing moves, nothing is drawn.
TEST_F(DropTest, ADropFromOrOntoNoFieldDoesNothing) {
  Lay({"R . . . . . . . ."});
  for (const auto& [target, source] :
       {std::pair{-1, 0}, std::pair{81, 0}, std::pair{40, -1}, std::pair{40, 81}}) {
    game.picP_DragDrop(target, source);
  }
  EXPECT_EQ(Picture(), PictureOf(BoardFromPicture({"R . . . . . . . ."})));
}

// A drop released while the tree of a stripe is drawn starts no turn inside
// this one, and once the turn is over every tile can be dragged again.
TEST_F(DropTest, ADropDuringTheTreeOfAStripeIsRefused) {
  Lay({"R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
       "R . . . . . . . B"});
  bool draggableInTree = true;
  host.onTree = [&] {
    draggableInTree = game.CanDrag(80);
    game.picP_DragDrop(40, 80);
  };
  game.picP_DragDrop(36, 72);  // no draws scripted: no new fields may come
  EXPECT_FALSE(draggableInTree);
  EXPECT_EQ(
      Picture(),
      PictureOf(BoardFromPicture({". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                  ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                  ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . B"})));
  EXPECT_EQ(game.Punkte(), 4);
  EXPECT_TRUE(game.CanDrag(80));
}

TEST_F(DropTest, DropsThatMoveNothingStillBringThreeNewFields) {
  struct Case {
    const char* name;
    int target;
    int source;
  };
  // Field 0 red, 1 blue, 2 a blocker, 3 flames, 4 an empty ex-source.
  for (const Case& c : {Case{"onto an occupied field", 1, 0}, Case{"onto a blocker", 2, 0},
                        Case{"onto flames", 3, 0}, Case{"onto itself", 0, 0},
                        Case{"from an empty ex-source", 40, 4}}) {
    SCOPED_TRACE(c.name);
    game.cmdSpielAbbrechen_Click();
    Lay({"R B X F . . . . ."});
    game.SetField(4, Field{kNoPicture, "0", 1, true});
    ScriptQuietTurn({{kYellow, 70}, {kGreen, 71}, {kCyan, 72}});
    game.picP_DragDrop(c.target, c.source);
    EXPECT_EQ(game.picP(0).Picture, kRed);
    EXPECT_EQ(game.picP(1).Picture, kBlue);
    EXPECT_EQ(game.picP(2).Tag, "voll");
    EXPECT_EQ(game.picP(3).Tag, "peng");
    EXPECT_TRUE(game.picP(40).IsEmpty());
    EXPECT_EQ(Occupied(), 7);
    EXPECT_EQ(random.Left(), 0u);
  }
}

TEST_F(DropTest, AFlamingFieldCanBeDraggedAndStillBurnsOut) {
  Lay({"F . . . . . . . ."});
  ScriptQuietTurn({{kYellow, 70}, {kGreen, 71}, {kCyan, 72}});
  game.picP_DragDrop(40, 0);
  EXPECT_EQ(game.picP(40).Picture, kFlames);
  EXPECT_EQ(game.picP(40).Tag, "peng");
  game.tmrTimer_Timer();
  EXPECT_TRUE(game.picP(40).IsEmpty());
}

// --- The first scan series ends the turn --------------------------------------

TEST_F(DropTest, AMoveCompletingColumnAndRowDissolvesOnlyTheColumn) {
  Lay({". . . R . . . . .", ". . . R . . . . .", "R R R . R . . . .", ". . . R . . . . .",
       ". . . R . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
       "R . . . . . . . ."});
  game.picP_DragDrop(21, 72);  // no draws scripted: no new fields may come
  EXPECT_EQ(
      Picture(),
      PictureOf(BoardFromPicture({". . . . . . . . .", ". . . . . . . . .", "R R R . R . . . ."})));
  EXPECT_EQ(game.Punkte(), 4);
  EXPECT_EQ(host.shownScore, 4);
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound3.wav/1"));
  EXPECT_EQ(host.trees, 1);
}

TEST_F(DropTest, TwoStripesInTheFirstSeriesDissolveOneAtATime) {
  // A complete column and a complete row without a common field.
  Lay({"G . . . . . . . .", "G . . . . . . . .", "G . . . . . . . .", "G . . . . . . . .",
       "G . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . M M M M M"});
  game.picP_DragDrop(80, 80);
  EXPECT_TRUE(game.picP(0).IsEmpty());
  EXPECT_EQ(game.picP(68).Picture, kMagenta) << "the row waits for a later series";
  EXPECT_EQ(game.Punkte(), 4);
}

TEST_F(DropTest, TheSecondSeriesDissolvesEveryKindOnce) {
  // New fields complete a column and a row (and nothing of the first series).
  Lay({"G . . . . . . . .", "G . . . . . . . .", "G . . . . . . . .", "G . . . . . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . M M M M ."});
  ScriptQuietTurn({{kGreen, 36}, {kMagenta, 71}, {kBlue, 80}});
  game.picP_DragDrop(0, 0);
  EXPECT_EQ(
      Picture(),
      PictureOf(BoardFromPicture({". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                  ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                  ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . B"})));
  EXPECT_EQ(game.Punkte(), 8);
  EXPECT_THAT(host.sounds,
              ElementsAre("sounds/sound2.wav/1", "sounds/sound3.wav/1", "sounds/sound3.wav/1"));
}

TEST_F(DropTest, SquaresInBothHalvesDissolveTheUpperOneFirst) {
  Lay({"Y Y Y . . . . . .", "Y Y Y . . . . . .", "Y Y Y . . . . . .", ". . . . . . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . C C C", ". . . . . . C C C",
       ". . . . . . C C C"});
  random.Script({DissolvedColourDraw(kRed)});
  game.picP_DragDrop(40, 40);
  EXPECT_TRUE(game.picP(0).IsEmpty());
  EXPECT_EQ(game.picP(80).Picture, kCyan);
  EXPECT_EQ(game.Punkte(), 17);
  EXPECT_TRUE(game.QuadrateObenGefunden());
}

TEST_F(DropTest, ARowBeatsTheSquareItShares) {
  Lay({"R R . R R . . . .", "R R R . . . . . .", "R R R . . . . . .", ". . . . . . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
       "R . . . . . . . ."});
  game.picP_DragDrop(2, 72);
  EXPECT_EQ(
      Picture(),
      PictureOf(BoardFromPicture({". . . . . . . . .", "R R R . . . . . .", "R R R . . . . . ."})));
  EXPECT_EQ(game.Punkte(), 4);
}

// --- Squares: disabled board, flames, timer ---------------------------------

TEST_F(DropTest, ASquareDisablesTheBoardWhileCreditedAndSetsOneColourOnFire) {
  Lay({"B B B . . . . . .", "B B B . . . . . .", "B B . . . . . . .", ". . . . . . . . .",
       ". . . . R . . . .", ". . . . . . . . .", ". . . . . . . R .", ". . . . . . . . .",
       ". . . . . . . . B"});
  bool boardDisabledInTree = false;
  host.onTree = [&] {
    boardDisabledInTree = std::none_of(game.picP().begin(), game.picP().end(),
                                       [](const Field& f) { return f.Enabled; });
  };
  random.Script({DissolvedColourDraw(kRed)});
  game.picP_DragDrop(20, 80);

  EXPECT_TRUE(boardDisabledInTree);
  EXPECT_TRUE(std::all_of(game.picP().begin(), game.picP().end(),
                          [](const Field& f) { return f.Enabled; }));
  EXPECT_EQ(game.Punkte(), 17);
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound4.wav/1"));
  EXPECT_EQ(random.reseeds, 1);
  EXPECT_EQ(game.picP(40).Tag, "peng");
  EXPECT_EQ(game.picP(40).Picture, kFlames);
  EXPECT_EQ(game.picP(61).Tag, "peng");
  EXPECT_THAT(host.windowColours, ElementsAre(Rgb{240, 240, 70}));
  EXPECT_TRUE(host.timerEnabled);

  game.tmrTimer_Timer();
  EXPECT_EQ(Occupied(), 0);
  EXPECT_THAT(host.windowColours, ElementsAre(Rgb{240, 240, 70}, Rgb{0, 127, 0}));
  EXPECT_EQ(host.frames, 1);
  EXPECT_FALSE(host.timerEnabled);
  EXPECT_EQ(game.Punkte(), 17);
}

TEST_F(DropTest, ATickInsideTheTreeEmptiesTheFlamesBeforeTheLaterStepsOfTheDrop) {
  // The new field at 36 completes column 0 in the second series; the tree of
  // that stripe lets the pending tick run, so the blocker can land on 80.
  Lay({"R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
       ". . . . . . . . F"});
  host.onTree = [&] { game.tmrTimer_Timer(); };
  random.Script({ColourDraw(kRed), PositionDraw(36), ColourDraw(kBlue), PositionDraw(50),
                 ColourDraw(kGreen), PositionDraw(60), kNoChanceDissolution, DissolvedColourDraw(0),
                 kBlockerComes, PositionDraw(80)});
  game.picP_DragDrop(0, 0);

  EXPECT_EQ(random.Left(), 0u);
  EXPECT_EQ(game.picP(80).Tag, "voll");
  EXPECT_EQ(game.picP(80).Picture, kBlocker);
  EXPECT_EQ(game.picP(80).DragMode, 0);
  EXPECT_THAT(host.sounds,
              ElementsAre("sounds/sound2.wav/1", "sounds/sound3.wav/1", "sounds/sound5.wav/0"));
}

// --- Chances ----------------------------------------------------------------

TEST_F(DropTest, TheChanceDissolutionMarksOneColourAndDrawsItEitherWay) {
  Lay({"O O . . . . . . .", "J . . . . . . . .", "X . . . . . . . ."});
  random.Script({kNoChanceDissolution, DissolvedColourDraw(kOrange)});
  game.ZufallsAufloesung();
  EXPECT_EQ(game.picP(0).Picture, kOrange);
  EXPECT_TRUE(host.windowColours.empty());

  random.Script({kChanceDissolution, DissolvedColourDraw(kJoker)});
  game.ZufallsAufloesung();
  EXPECT_EQ(game.picP(9).Tag, "peng");
  EXPECT_EQ(game.picP(0).Picture, kOrange);
  EXPECT_EQ(game.picP(18).Tag, "voll");
  EXPECT_EQ(random.Left(), 0u);
  EXPECT_EQ(random.reseeds, 2);
}

TEST_F(DropTest, TwoDissolutionsBeforeOneTickBurnTheirUnion) {
  Lay({"O O . . . . . . .", "J . . . . . . . ."});
  random.Script({DissolvedColourDraw(kOrange), DissolvedColourDraw(kJoker)});
  game.FarbeAufloesen();
  game.FarbeAufloesen();
  for (int field : {0, 1, 9}) {
    EXPECT_EQ(game.picP(field).Tag, "peng") << field;
    EXPECT_EQ(game.picP(field).Picture, kFlames) << field;
  }
  game.tmrTimer_Timer();
  EXPECT_EQ(Occupied(), 0);
}

// The draw times 9.36 (blocker) or 7.1 (dissolution), in ten-thousandths,
// must lie above 9 or 7: a draw exactly on the threshold brings nothing.
TEST_F(DropTest, AChanceComesOnlyAboveItsThreshold) {
  struct Case {
    double x;
    bool comes;
  };
  for (const Case& c : {Case{9.0, false}, Case{9.0001, true}}) {
    SCOPED_TRACE(c.x);
    game.cmdSpielAbbrechen_Click();
    random.Script({c.x / 9.36, PositionDraw(5)});
    game.FeldSperren();
    EXPECT_EQ(game.picP(5).Tag, c.comes ? "voll" : "0");
  }
  for (const Case& c : {Case{7.0, false}, Case{7.0001, true}}) {
    SCOPED_TRACE(c.x);
    Lay({"R . . . . . . . ."});
    random.Script({c.x / 7.1, DissolvedColourDraw(kRed)});
    game.ZufallsAufloesung();
    EXPECT_EQ(game.picP(0).Tag, c.comes ? "peng" : "10000000");
  }
}

TEST_F(DropTest, ABlockerOnlyEverLandsOnAnEmptyField) {
  Lay({"R B . . . . . . ."});
  random.Script({kNoBlocker, PositionDraw(5)});
  game.FeldSperren();
  EXPECT_EQ(Occupied(), 2);
  random.Script({kBlockerComes, PositionDraw(0), PositionDraw(1), PositionDraw(2)});
  game.FeldSperren();
  EXPECT_EQ(game.picP(2).Tag, "voll");
  EXPECT_EQ(random.Left(), 0u);
  EXPECT_EQ(random.reseeds, 2);
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound5.wav/0"));
}

TEST_F(DropTest, NoSoundsPlayWhileSoundIsOff) {
  game.SetTonAn(false);
  Lay({"R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
       "R . . . . . . . ."});
  game.picP_DragDrop(36, 72);
  EXPECT_EQ(game.Punkte(), 4);
  EXPECT_EQ(host.trees, 1);
  EXPECT_TRUE(host.sounds.empty());
}

// --- Full board and the end of the game -------------------------------------

TEST_F(DropTest, TwoEmptyFieldsLeftEndTheGameInsideTheNewFields) {
  Lay(kAlmostFull);
  random.Script({ColourDraw(kJoker), PositionDraw(79), ColourDraw(kJoker), PositionDraw(80)});
  game.picP_DragDrop(0, 0);
  EXPECT_TRUE(game.SpielEnde());
  EXPECT_EQ(Empty(), 0);
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound7.wav/0"));
  for (int i = 0; i < kFieldCount; ++i) EXPECT_FALSE(game.CanDrag(i)) << i;
  EXPECT_TRUE(host.entries.empty()) << "a score of 0 does not beat a threshold of 0";
  EXPECT_EQ(random.Left(), 0u) << "no chances after the game ended";
}

TEST_F(DropTest, OneEmptyFieldTakesOneNewField) {
  std::vector<std::string> rows = kAlmostFull;
  rows[8] = "Y G C B M R O R .";
  Lay(rows);
  random.Script({ColourDraw(kCyan), PositionDraw(80)});
  game.Neufelder();
  EXPECT_TRUE(game.SpielEnde());
  EXPECT_EQ(game.picP(80).Picture, kCyan);
}

TEST_F(DropTest, ALastFieldCompletingAStripeKeepsTheGameGoing) {
  std::vector<std::string> rows = kAlmostFull;
  rows[8] = "Y G C B B B B . X";  // the new blue on 79 completes the row
  Lay(rows);
  random.Script({ColourDraw(kBlue), PositionDraw(79)});
  game.Neufelder();
  EXPECT_FALSE(game.SpielEnde());
  EXPECT_EQ(game.Punkte(), 4);
  EXPECT_THAT(host.sounds, ElementsAre("sounds/sound3.wav/1"))
      << "room made by the scans has no new-fields sound";
}

TEST_F(DropTest, TheNameIsAskedOnlyForAScoreAboveTheThreshold) {
  for (const auto& [threshold, asked] : {std::pair{4, false}, std::pair{3, true}}) {
    SCOPED_TRACE(threshold);
    host.entries.clear();
    game.cmdSpielAbbrechen_Click();
    game.SetHighscoreGrenze(threshold);
    Lay({"J . . . . . . . .", "J . . . . . . . .", "J . . . . . . . .", "J . . . . . . . .",
         "J . . . . . . . ."});
    game.Spalten();
    ASSERT_EQ(game.Punkte(), 4);
    Lay(kAlmostFull);
    random.Script({ColourDraw(kJoker), PositionDraw(79), ColourDraw(kJoker), PositionDraw(80)});
    game.picP_DragDrop(0, 0);
    ASSERT_TRUE(game.SpielEnde());
    EXPECT_EQ(host.entries, asked ? std::vector<int>{4} : std::vector<int>{});
  }
}

TEST_F(DropTest, AFullBoardAfterTheBlockerEndsTheGameAtTheEndOfTheDrop) {
  std::vector<std::string> rows = kAlmostFull;
  rows[7] = "R O Y G C B M . .";
  rows[8] = "Y G C B M R O . .";
  Lay(rows);
  // Three new fields leave one empty field, which the blocker then takes.
  random.Script({ColourDraw(kJoker), PositionDraw(70), ColourDraw(kJoker), PositionDraw(71),
                 ColourDraw(kJoker), PositionDraw(79)});
  random.Script({kNoChanceDissolution, DissolvedColourDraw(0), kBlockerComes, PositionDraw(80)});
  game.picP_DragDrop(0, 0);
  EXPECT_EQ(game.picP(80).Tag, "voll");
  EXPECT_THAT(host.sounds,
              ElementsAre("sounds/sound2.wav/1", "sounds/sound5.wav/0", "sounds/sound7.wav/0"));
  EXPECT_FALSE(game.picP(0).Enabled);
}

TEST_F(DropTest, FlamesCountAsOccupiedOnAFullBoard) {
  std::vector<std::string> rows = kAlmostFull;
  rows[0] = "F F Y G C B M R O";
  Lay(rows);
  random.Script({ColourDraw(kJoker), PositionDraw(79), ColourDraw(kJoker), PositionDraw(80)});
  game.picP_DragDrop(0, 0);
  EXPECT_TRUE(game.SpielEnde());
  game.tmrTimer_Timer();
  EXPECT_TRUE(game.picP(0).IsEmpty());
  EXPECT_FALSE(game.picP(0).Enabled) << "the tick empties the flames on the frozen board";
}

TEST_F(DropTest, TheScoreStopsAt32767) {
  const std::vector<std::string> column = {"J . . . . . . . .", "J . . . . . . . .",
                                           "J . . . . . . . .", "J . . . . . . . .",
                                           "J . . . . . . . ."};
  for (int stripe = 0; stripe < 8191; ++stripe) {
    Lay(column);
    game.Spalten();
  }
  ASSERT_EQ(game.Punkte(), 32764);
  Lay(column);
  game.Spalten();
  EXPECT_EQ(game.Punkte(), 32767);
  EXPECT_EQ(host.shownScore, 32767);
  Lay(column);
  game.Spalten();
  EXPECT_EQ(game.Punkte(), 32767);
}

}  // namespace
}  // namespace breliko::game::testing
