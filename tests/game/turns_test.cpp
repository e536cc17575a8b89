// A turn across the whole drop: which scans end it, the order in which the
// second series and the rounds on a full board dissolve, the flags carried
// from one turn into the next, and what leaves the tree alone.
#include "game_fixture.h"

namespace breliko::game::testing {
namespace {

using ::testing::ElementsAre;
using Rows = std::vector<std::string>;

class TurnTest : public GameTest {
 protected:
  void SetUp() override { host.startButtonVisible = false; }

  // The draws after the second series of a drop: no chance dissolution, no
  // blocker.
  void ScriptNoChances() {
    random.Script({kNoChanceDissolution, DissolvedColourDraw(0), kNoBlocker, PositionDraw(0)});
  }
  // A square's reward burns the jokers; the boards here hold none.
  void ScriptSquareRewards(int squares) {
    for (int i = 0; i < squares; ++i) random.Script({DissolvedColourDraw(kJoker)});
  }
};

// --- One kind of each in the first series, over three turns -------------------

struct KindCase {
  std::string name;
  Rows board;  // the complete stripe or square, and a lone field `lone`
  int lone;
  int points;
  bool (Game::*flag)() const;
};
void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class FirstSeriesTest : public TurnTest, public ::testing::WithParamInterface<KindCase> {};

// The lone field dropped onto itself moves nothing, so the scans see the
// board as laid. A hit ends the turn without new fields; the flag comes up
// only after the hit is credited, and the next scan of its kind lowers it
// again, so a flag left from one turn never ends the next.
TEST_P(FirstSeriesTest, AHitEndsItsTurnAndNoLaterOne) {
  const KindCase& c = GetParam();
  bool flagDuringCredit = true;
  host.onTree = [&] { flagDuringCredit = (game.*c.flag)(); };
  const int squares = c.points == 17 ? 1 : 0;

  for (int turn = 1; turn <= 2; ++turn) {
    SCOPED_TRACE("turn " + std::to_string(turn));
    Lay(c.board);
    ScriptSquareRewards(squares);
    game.picP_DragDrop(c.lone, c.lone);
    EXPECT_EQ(Occupied(), 1) << Picture();
    EXPECT_EQ(game.Punkte(), turn * c.points);
    EXPECT_EQ(host.trees, turn);
    EXPECT_FALSE(flagDuringCredit);
    EXPECT_TRUE((game.*c.flag)());
    EXPECT_EQ(random.Left(), 0u) << "no new fields after a hit";
  }

  Lay({});
  game.SetField(c.lone, BoardFromPicture(c.board)[c.lone]);
  ScriptQuietTurn({{kRed, 30}, {kOrange, 31}, {kYellow, 32}});
  game.picP_DragDrop(c.lone, c.lone);
  EXPECT_EQ(Occupied(), 4) << "a quiet turn brings three new fields" << Picture();
  EXPECT_FALSE((game.*c.flag)());
  EXPECT_EQ(host.trees, 2) << "a turn that scores nothing leaves the tree";
  EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FirstSeriesTest,
    ::testing::Values(KindCase{"Column",
                               {"R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .",
                                "R . . . . . . . .", "R . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . M"},
                               80,
                               4,
                               &Game::SpaltenGefunden},
                      KindCase{"Row",
                               {". . . . . . . . M", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", "R R J R R . . . ."},
                               8,
                               4,
                               &Game::ZeilenGefunden},
                      KindCase{"DownRight",
                               {"R . . . . . . . .", ". R . . . . . . .", ". . R . . . . . .",
                                ". . . R . . . . .", ". . . . R . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . M"},
                               80,
                               4,
                               &Game::DiagonalenGefunden},
                      KindCase{"DownLeft",
                               {". . . . . . . . J", ". . . . . . . J .", ". . . . . . J . .",
                                ". . . . . J . . .", ". . . . J . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . M"},
                               80,
                               4,
                               &Game::DiagonalenGefunden},
                      KindCase{"UpperSquare",
                               {"R R R . . . . . .", "R R R . . . . . .", "R R R . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . M"},
                               80,
                               17,
                               &Game::QuadrateObenGefunden},
                      KindCase{"LowerSquare",
                               {"M . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . J J J", ". . . . . . J B J", ". . . . . . J J J"},
                               0,
                               17,
                               &Game::QuadrateUntenGefunden}),
    [](const auto& info) { return info.param.name; });

// --- The second series, in the order of the scans -------------------------------

struct SeriesCase {
  std::string name;
  Rows board;  // nothing complete yet, and a lone field `lone`
  int lone;
  std::vector<std::pair<int, int>> newFields;  // colour, field
  int squares;
  std::vector<int> emptied;  // in the order they must go
  int points;
};
void PrintTo(const SeriesCase& c, std::ostream* os) { *os << c.name; }

class SecondSeriesTest : public TurnTest, public ::testing::WithParamInterface<SeriesCase> {};

TEST_P(SecondSeriesTest, DissolvesWhatTheNewFieldsCompleteInTheOrderOfTheScans) {
  const SeriesCase& c = GetParam();
  Lay(c.board);
  host.Watch(game);
  for (const auto& [colour, index] : c.newFields) {
    random.Script({ColourDraw(colour), PositionDraw(index)});
  }
  ScriptSquareRewards(c.squares);
  ScriptNoChances();
  game.picP_DragDrop(c.lone, c.lone);
  EXPECT_EQ(host.emptied, c.emptied);
  EXPECT_EQ(game.Punkte(), c.points);
  EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SecondSeriesTest,
    ::testing::Values(
        SeriesCase{"ColumnDownRightUpperSquare",
                   {"G . . . . Y Y Y .", "G . . . . Y Y Y .", "G . . . . Y Y . .",
                    "G . . . . . . . .", ". . . . M . . . .", ". . . . . M . . .",
                    ". . . . . . M . .", ". . . . . . . M .", "B . . . . . . . ."},
                   72,
                   {{kGreen, 36}, {kMagenta, 80}, {kYellow, 25}},
                   1,
                   {0, 9, 18, 27, 36, 40, 50, 60, 70, 80, 5, 6, 7, 14, 15, 16, 23, 24, 25},
                   25},
        SeriesCase{"RowDownLeftLowerSquare",
                   {"B . . . . . . . O", ". . . . . . . O .", ". . . . . . O . .",
                    ". . . . . O . . .", ". . . . . . C C C", ". . . . . . C C C",
                    ". . . . . . C C .", ". . . . . . . . .", "R R R R . . . . ."},
                   0,
                   {{kRed, 76}, {kOrange, 40}, {kCyan, 62}},
                   1,
                   {72, 73, 74, 75, 76, 8, 16, 24, 32, 40, 42, 43, 44, 51, 52, 53, 60, 61, 62},
                   25},
        SeriesCase{"ColumnRowLowerSquare",
                   {"R R R R . . . . G", ". . . . . . . . G", ". . . . . . . . G",
                    ". . . . . . . . G", ". . . . . . . . .", "Y Y Y . . . . . .",
                    "Y Y Y . . . . . .", "Y Y . . . . . . .", ". . . . . . . . B"},
                   80,
                   {{kRed, 4}, {kGreen, 44}, {kYellow, 65}},
                   1,
                   {8, 17, 26, 35, 44, 0, 1, 2, 3, 4, 45, 46, 47, 54, 55, 56, 63, 64, 65},
                   25},
        // Two columns completed at once: the second waits for a later series.
        SeriesCase{"TwoColumnsOneAtATime",
                   {"G B . . . . . . .", "G B . . . . . . .", "G B . . . . . . .",
                    "G B . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                    ". . . . . . . . .", ". . . . . . . . .", "M . . . . . . . ."},
                   72,
                   {{kGreen, 36}, {kBlue, 37}, {kRed, 50}},
                   0,
                   {0, 9, 18, 27, 36},
                   4},
        SeriesCase{"UpperSquareLowerSquare",
                   {"C C C . . . . . .", "C C C . . . . . .", "C C . . . . . . .",
                    ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                    ". . . . . . M M M", ". . . . . . M M M", "B . . . . . M M ."},
                   72,
                   {{kCyan, 20}, {kMagenta, 80}, {kRed, 40}},
                   2,
                   {0, 1, 2, 9, 10, 11, 18, 19, 20, 60, 61, 62, 69, 70, 71, 78, 79, 80},
                   34}),
    [](const auto& info) { return info.param.name; });

// --- Three rounds of scans on a board the new fields filled -----------------------

struct RoundsCase {
  std::string name;
  Rows board;  // full but for fields 79 and 80
  int squares;
  std::vector<int> emptied;
  int points;
};
void PrintTo(const RoundsCase& c, std::ostream* os) { *os << c.name; }

class FullBoardRoundsTest : public TurnTest, public ::testing::WithParamInterface<RoundsCase> {};

TEST_P(FullBoardRoundsTest, EachRoundRunsEveryScanOnceAndThereAreThree) {
  const RoundsCase& c = GetParam();
  Lay(c.board);
  host.Watch(game);
  random.Script({ColourDraw(kBlue), PositionDraw(79), ColourDraw(kYellow), PositionDraw(80)});
  ScriptSquareRewards(c.squares);
  game.Neufelder();
  EXPECT_EQ(host.emptied, c.emptied);
  EXPECT_EQ(game.Punkte(), c.points);
  EXPECT_FALSE(game.SpielEnde());
  EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, FullBoardRoundsTest,
    ::testing::Values(
        // One column a round: the fourth outlasts the three rounds.
        RoundsCase{"FourColumns",
                   {"R O Y G C B M R O", "R O Y G M R O Y G", "R O Y G O Y G C B",
                    "R O Y G G C B M R", "R O Y G B M R O Y", "G C B M R O Y G C",
                    "B M R O Y G C B M", "R O Y G C B M R O", "Y G C B M R O . ."},
                   0,
                   {0, 9, 18, 27, 36, 1, 10, 19, 28, 37, 2, 11, 20, 29, 38},
                   12},
        // All five scans in the first round, in their order.
        RoundsCase{"OneOfEachKind",
                   {"R O Y G Y B M R O", "R G G G M Y O Y G", "R G G G O Y Y C B",
                    "R G G G G C B Y R", "R Y G C B M R O Y", "G C B M R C C C C",
                    "B M R O Y C C C M", "R O Y G C C C C O", "O O O O O R O . ."},
                   2,
                   {0,  9,  18, 27, 36, 72, 73, 74, 75, 76, 4,  14, 24, 34, 44, 10, 11,
                    12, 19, 20, 21, 28, 29, 30, 50, 51, 52, 59, 60, 61, 68, 69, 70},
                   46}),
    [](const auto& info) { return info.param.name; });

// --- Colour dissolutions ------------------------------------------------------

// A colour that is nowhere on the board still flashes the window and runs
// the timer; its tick then empties nothing.
TEST_F(TurnTest, ADissolutionOfAColourNotOnTheBoardStillFlashesAndTicks) {
  struct Case {
    const char* name;
    void (Game::*dissolution)();
    std::vector<double> draws;
  };
  for (const Case& c :
       {Case{"square's reward", &Game::FarbeAufloesen, {DissolvedColourDraw(kCyan)}},
        Case{"chance",
             &Game::ZufallsAufloesung,
             {kChanceDissolution, DissolvedColourDraw(kJoker)}}}) {
    SCOPED_TRACE(c.name);
    host.windowColours.clear();
    host.frames = 0;
    Lay({"R O Y G . B M X ."});
    random.Script(c.draws);
    (game.*c.dissolution)();
    EXPECT_THAT(host.windowColours, ElementsAre(Rgb{240, 240, 70}));
    EXPECT_TRUE(host.timerEnabled);
    EXPECT_TRUE(game.TimerEnabled());
    EXPECT_EQ(Picture(), PictureOf(BoardFromPicture({"R O Y G . B M X ."})));

    game.tmrTimer_Timer();
    EXPECT_EQ(Picture(), PictureOf(BoardFromPicture({"R O Y G . B M X ."})));
    EXPECT_THAT(host.windowColours, ElementsAre(Rgb{240, 240, 70}, Rgb{0, 127, 0}));
    EXPECT_EQ(host.frames, 1);
    EXPECT_FALSE(host.timerEnabled);
  }
}

TEST_F(TurnTest, ChanceEventsLeaveTheTreeAlone) {
  Lay({"R O . . . . . . ."});
  random.Script({ColourDraw(kRed), PositionDraw(70), ColourDraw(kBlue), PositionDraw(71),
                 ColourDraw(kGreen), PositionDraw(72)});
  random.Script({kChanceDissolution, DissolvedColourDraw(kOrange), kBlockerComes, PositionDraw(5)});
  game.picP_DragDrop(1, 1);
  EXPECT_EQ(game.picP(1).Tag, "peng");
  EXPECT_EQ(game.picP(5).Tag, "voll");
  EXPECT_EQ(host.trees, 0);
  EXPECT_EQ(game.Punkte(), 0);
}

}  // namespace
}  // namespace breliko::game::testing
