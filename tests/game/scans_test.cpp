#include "game_fixture.h"

namespace breliko::game::testing {
namespace {

using Rows = std::vector<std::string>;

// A board before one scan and the board it must leave.
struct ScanCase {
  std::string name;
  void (Game::*scan)();
  Rows before;
  Rows after;
  int points;
};

class ScanTest : public GameTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScanTest, DissolvesTheFirstMatchOnly) {
  const ScanCase& c = GetParam();
  Lay(c.before);
  random.Script({DissolvedColourDraw(kMagenta)});  // a square's reward, if any
  (game.*c.scan)();
  EXPECT_EQ(Picture(), PictureOf(BoardFromPicture(c.after)));
  EXPECT_EQ(game.Punkte(), c.points);
}

const Rows kEmpty = {};

INSTANTIATE_TEST_SUITE_P(
    Stripes, ScanTest,
    ::testing::Values(ScanCase{"SixInAColumnLoseTheTopFive",
                               &Game::Spalten,
                               {"R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . .",
                                "R . . . . . . . .", "R . . . . . . . .", "R . . . . . . . ."},
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", "R . . . . . . . ."},
                               4},
                      ScanCase{"SixInARowLoseTheLeftFive",
                               &Game::Zeilen,
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", "B B B B B B . . ."},
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . B . . ."},
                               4},
                      ScanCase{"JokersStandInForTheColour",
                               &Game::Zeilen,
                               {"G G J G G . . . .", "R J J J J . . . ."},
                               {". . . . . . . . .", "R J J J J . . . ."},
                               4},
                      ScanCase{"FiveJokersAreAStripe",
                               &Game::Zeilen,
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . J J J J J"},
                               kEmpty,
                               4},
                      ScanCase{"MixturesGapsAndBlockersNeverDissolve",
                               &Game::Zeilen,
                               {"R R R R O . . . .", "R R R R . R . . .", "R R R R X . . . .",
                                "R R O O J . . . .", "R R R R F . . . ."},
                               {"R R R R O . . . .", "R R R R . R . . .", "R R R R X . . . .",
                                "R R O O J . . . .", "R R R R F . . . ."},
                               0},
                      ScanCase{"LowerNumberedColumnFirst",
                               &Game::Spalten,
                               {". Y . . . . . . C", ". Y . . . . . . C", ". Y . . . . . . C",
                                ". Y . . . . . . C", ". Y . . . . . . C"},
                               {". . . . . . . . C", ". . . . . . . . C", ". . . . . . . . C",
                                ". . . . . . . . C", ". . . . . . . . C"},
                               4},
                      ScanCase{"DownRightBeforeDownLeft",
                               &Game::Diagonalen,
                               {"M . . . O . . . .", ". M . O . . . . .", ". . J . . . . . .",
                                ". O . M . . . . .", "O . . . M . . . ."},
                               {". . . . O . . . .", ". . . O . . . . .", ". . . . . . . . .",
                                ". O . . . . . . .", "O . . . . . . . ."},
                               4},
                      ScanCase{"DownLeftFromFieldFour",
                               &Game::Diagonalen,
                               {". . . . O . . . .", ". . . O . . . . .", ". . O . . . . . .",
                                ". O . . . . . . .", "O . . . . . . . ."},
                               kEmpty,
                               4},
                      ScanCase{"ColumnBeforeCrossingRow",
                               &Game::Spalten,
                               {". . . R . . . . .", ". . . R . . . . .", "R R R R R . . . .",
                                ". . . R . . . . .", ". . . R . . . . ."},
                               {". . . . . . . . .", ". . . . . . . . .", "R R R . R . . . ."},
                               4}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Squares, ScanTest,
    ::testing::Values(ScanCase{"NineGreensTopLeft",
                               &Game::QuadrateOben,
                               {"G G G . . . . . .", "G G G . . . . . .", "G G G . . . . . ."},
                               kEmpty,
                               17},
                      ScanCase{"BottomRightOnlyForTheLowerScan",
                               &Game::QuadrateOben,
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . C C C", ". . . . . . C C C", ". . . . . . C C C"},
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . C C C", ". . . . . . C C C", ". . . . . . C C C"},
                               0},
                      ScanCase{"BottomRightByTheLowerScan",
                               &Game::QuadrateUnten,
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . C C C", ". . . . . . C J C", ". . . . . . C C C"},
                               kEmpty,
                               17},
                      ScanCase{"WideBlockLeavesItsRightColumn",
                               &Game::QuadrateOben,
                               {"R R R R . . . . .", "R R R R . . . . .", "R R R R . . . . ."},
                               {". . . R . . . . .", ". . . R . . . . .", ". . . R . . . . ."},
                               17},
                      ScanCase{"TallBlockLeavesItsBottomRow",
                               &Game::QuadrateOben,
                               {". . . . . . . . .", ". . . . . . . . .", "R R R . . . . . .",
                                "R R R . . . . . .", "R R R . . . . . .", "R R R . . . . . ."},
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . . . . . .", "R R R . . . . . ."},
                               17},
                      ScanCase{"OneFlawSpoilsASquare",
                               &Game::QuadrateOben,
                               {"R R R . Y Y Y . .", "R X R . Y . Y . .", "R R R . Y Y O . ."},
                               {"R R R . Y Y Y . .", "R X R . Y . Y . .", "R R R . Y Y O . ."},
                               0},
                      ScanCase{"NineJokers",
                               &Game::QuadrateOben,
                               {"J J J . . . . . .", "J J J . . . . . .", "J J J . . . . . ."},
                               kEmpty,
                               17}),
    [](const auto& info) { return info.param.name; });

// Which of two candidates a scan tests first, where a scan that ran its
// positions the other way round would pick the other one.
INSTANTIATE_TEST_SUITE_P(
    TestingOrder, ScanTest,
    ::testing::Values(
        ScanCase{"ColumnsRunDownOneColumnBeforeTheNext",
                 &Game::Spalten,
                 {". G . . . . . . .", ". G . . . . . . .", ". G . . . . . . .",
                  ". G . . . . . . .", "M G . . . . . . .", "M . . . . . . . .",
                  "M . . . . . . . .", "M . . . . . . . .", "M . . . . . . . ."},
                 {". G . . . . . . .", ". G . . . . . . .", ". G . . . . . . .",
                  ". G . . . . . . .", ". G . . . . . . ."},
                 4},
        ScanCase{"RowsRunAlongOneRowBeforeTheNext",
                 &Game::Zeilen,
                 {". . . . C C C C C", "B B B B B . . . ."},
                 {". . . . . . . . .", "B B B B B . . . ."},
                 4},
        ScanCase{"DownRightDiagonalsRunAlongTheStartRows",
                 &Game::Diagonalen,
                 {". . . . O . . . .", "Y . . . . O . . .", ". Y . . . . O . .",
                  ". . Y . . . . O .", ". . . Y . . . . O", ". . . . Y . . . ."},
                 {". . . . . . . . .", "Y . . . . . . . .", ". Y . . . . . . .",
                  ". . Y . . . . . .", ". . . Y . . . . .", ". . . . Y . . . ."},
                 4},
        ScanCase{"DownLeftDiagonalsRunAlongTheStartRows",
                 &Game::Diagonalen,
                 {". . . . . . . . O", ". . . . Y . . O .", ". . . Y . . O . .",
                  ". . Y . . O . . .", ". Y . . O . . . .", "Y . . . . . . . ."},
                 {". . . . . . . . .", ". . . . Y . . . .", ". . . Y . . . . .",
                  ". . Y . . . . . .", ". Y . . . . . . .", "Y . . . . . . . ."},
                 4},
        ScanCase{"SixInADownRightDiagonalLoseTheTopFive",
                 &Game::Diagonalen,
                 {"R . . . . . . . .", ". R . . . . . . .", ". . R . . . . . .",
                  ". . . R . . . . .", ". . . . R . . . .", ". . . . . R . . ."},
                 {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                  ". . . . . . . . .", ". . . . . . . . .", ". . . . . R . . ."},
                 4},
        ScanCase{
            "SixInADownLeftDiagonalLoseTheTopFive",
            &Game::Diagonalen,
            {". . . . . . . . . ", ". . . . . . . . C", ". . . . . . . C .", ". . . . . . C . .",
             ". . . . . C . . .", ". . . . C . . . .", ". . . C . . . . ."},
            {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
             ". . . . . . . . .", ". . . . . . . . .", ". . . C . . . . ."},
            4},
        ScanCase{
            "SquaresRunAlongOneRowOfTopLeftFieldsBeforeTheNext",
            &Game::QuadrateOben,
            {". . . . . . G G G", "B B B . . . G G G", "B B B . . . G G G", "B B B . . . . . ."},
            {". . . . . . . . .", "B B B . . . . . .", "B B B . . . . . .", "B B B . . . . . ."},
            17}),
    [](const auto& info) { return info.param.name; });

// Jokers complete a stripe or a square of any colour, wherever they stand in
// it, and earn the same points as the colour alone.
INSTANTIATE_TEST_SUITE_P(
    Jokers, ScanTest,
    ::testing::Values(ScanCase{"OneColourAndFourJokersInARow",
                               &Game::Zeilen,
                               {". . . . . . . . .", ". . . . . . . . .", ". J J R J J . . ."},
                               kEmpty,
                               4},
                      ScanCase{"FourJokersAboveOneColourInAColumn",
                               &Game::Spalten,
                               {". . . . . . . . .", ". . . . . . . . J", ". . . . . . . . J",
                                ". . . . . . . . J", ". . . . . . . . J", ". . . . . . . . M"},
                               kEmpty,
                               4},
                      ScanCase{"OneColourAndFourJokersDownLeft",
                               &Game::Diagonalen,
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", ". . . . J . . . .", ". . . J . . . . .",
                                ". . C . . . . . .", ". J . . . . . . .", "J . . . . . . . ."},
                               kEmpty,
                               4},
                      ScanCase{"JokersJoinTheColourOfTheFirstStripeTheyComplete",
                               &Game::Zeilen,
                               {"O J J J J R . . ."},
                               {". . . . . R . . ."},
                               4},
                      ScanCase{"OneColourAndEightJokersInASquare",
                               &Game::QuadrateUnten,
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . . . .", "J J J . . . . . .", "J J J . . . . . .",
                                "J J B . . . . . ."},
                               kEmpty,
                               17},
                      ScanCase{"EightJokersAroundOneColour",
                               &Game::QuadrateOben,
                               {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                                ". . . . . . J J J", ". . . . . . J Y J", ". . . . . . J J J"},
                               kEmpty,
                               17}),
    [](const auto& info) { return info.param.name; });

TEST(ScanOrderTest, StripesAndSquaresEmptyTheirFieldsInTheirFixedOrder) {
  FakeHost host;
  ScriptedRandom random;
  Game game(host, random);
  const Board column = BoardFromPicture(
      {". . . . . . . . .", ". . . . . . . . .", ". . . R . . . . .", ". . . R . . . . .",
       ". . . R . . . . .", ". . . R . . . . .", ". . . R . . . . ."});
  for (int i = 0; i < kFieldCount; ++i) game.SetField(i, column[i]);
  host.Watch(game);
  game.Spalten();
  EXPECT_EQ(host.emptied, (std::vector<int>{21, 30, 39, 48, 57}));
  EXPECT_TRUE(game.SpaltenGefunden());

  const Board square =
      BoardFromPicture({"G G G . . . . . .", "G G G . . . . . .", "G G G . . . . . ."});
  for (int i = 0; i < kFieldCount; ++i) game.SetField(i, square[i]);
  host.Watch(game);
  random.Script({DissolvedColourDraw(kRed)});
  game.QuadrateOben();
  EXPECT_EQ(host.emptied, (std::vector<int>{0, 1, 2, 9, 10, 11, 18, 19, 20}));
  EXPECT_TRUE(game.QuadrateObenGefunden());
}

TEST_F(GameTest, AScanWithoutMatchLeavesItsFlagDown) {
  Lay(kEmpty);
  game.Spalten();
  game.Zeilen();
  game.Diagonalen();
  game.QuadrateOben();
  game.QuadrateUnten();
  EXPECT_FALSE(game.SpaltenGefunden() || game.ZeilenGefunden() || game.DiagonalenGefunden() ||
               game.QuadrateObenGefunden() || game.QuadrateUntenGefunden());
  EXPECT_EQ(host.trees, 0);
}

}  // namespace
}  // namespace breliko::game::testing
