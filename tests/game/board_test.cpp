#include <gtest/gtest.h>

#include <map>

#include "game/board.h"
#include "game/fixed_point.h"
#include "game/winning_sums.h"
#include "game_fixture.h"

namespace breliko::game {
namespace {

TEST(FieldValueTest, ReadsTheNumberATagSpells) {
  const std::map<std::string, std::int64_t> cases = {
      {"0", 0},    {"1", 1},
      {"10", 10},  {"10000000", 10000000},
      {"voll", 0}, {"peng", 0},
      {"", 0},     {"12abc", 12},
      {"-5", 0},   {"99999999999999999999999", 999999999999999999}};
  for (const auto& [tag, value] : cases)
    EXPECT_EQ(FieldValue(tag), value) << "tag \"" << tag << "\"";
}

TEST(WinningSumsTest, StripeSumsRunFromFiveRedsToFiveJokers) {
  ASSERT_EQ(FuenferSummen.size(), 36u);
  EXPECT_EQ(FuenferSummen[0], 50000000);
  EXPECT_EQ(FuenferSummen[1], 40000001);
  EXPECT_EQ(FuenferSummen[5], 5000000);
  EXPECT_EQ(FuenferSummen[6], 4000001);
  EXPECT_EQ(FuenferSummen[34], 14);
  EXPECT_EQ(FuenferSummen[35], 5);
}

TEST(WinningSumsTest, SquareSumsRunFromNineRedsToNineJokers) {
  ASSERT_EQ(NeunerSummen.size(), 64u);
  EXPECT_EQ(NeunerSummen[0], 90000000);
  EXPECT_EQ(NeunerSummen[8], 10000008);
  EXPECT_EQ(NeunerSummen[9], 9000000);
  EXPECT_EQ(NeunerSummen[62], 18);
  EXPECT_EQ(NeunerSummen[63], 9);
}

TEST(WinningSumsTest, MixedColoursNeverWin) {
  EXPECT_FALSE(IsWinningSum(FuenferSummen,
                            2 * 10000000 + 2 * 1000000 + 1));  // two reds, two oranges, a joker
  EXPECT_FALSE(IsWinningSum(FuenferSummen, 4 * 10000000));     // four reds and a gap
  EXPECT_FALSE(IsWinningSum(FuenferSummen, 4 * 10000000 + 1000000));  // four reds, one orange
  EXPECT_TRUE(IsWinningSum(FuenferSummen, 10 + 4));                   // magenta and four jokers
}

TEST(FixedPointTest, RoundsProductsToFourDecimals) {
  EXPECT_EQ(FixedPoint4::Round(0.5 * 9.36).Units(), 46800);
  EXPECT_EQ(FixedPoint4::Round(0.123456).Units(), 1235);
  EXPECT_EQ(FixedPoint4::Round(0.00004).Units(), 0);
  EXPECT_EQ(FixedPoint4::Round(0.99996 * 9.36).Units(), 93596);
  EXPECT_DOUBLE_EQ(FixedPoint4::FromUnits(71800).ToDouble(), 7.18);
}

TEST(ColourDrawTest, JokerComesUpInOneDrawOfFortyAndNeverFlamesOrBlocker) {
  testing::FakeHost host;
  testing::SeededRandom random(20261207);
  Game game(host, random);
  std::array<int, 10> counts{};
  constexpr int kDraws = 400000;
  for (int i = 0; i < kDraws; ++i) ++counts[game.FarbeZiehen()];
  EXPECT_EQ(counts[8] + counts[9], 0);
  // 0.18 / 7.18 = 2.51 %; 1 / 7.18 = 13.93 % for each plain colour.
  EXPECT_NEAR(counts[kJoker] / double(kDraws), 0.0251, 0.002);
  for (int colour = 0; colour < 7; ++colour)
    EXPECT_NEAR(counts[colour] / double(kDraws), 0.1393, 0.004);
}

TEST(PositionDrawTest, CoversAllEightyOneFields) {
  testing::FakeHost host;
  testing::SeededRandom random(7);
  Game game(host, random);
  std::array<int, kFieldCount> counts{};
  for (int i = 0; i < 81000; ++i) {
    const int p = game.PositionZiehen();
    ASSERT_GE(p, 0);
    ASSERT_LT(p, kFieldCount);
    ++counts[p];
  }
  for (int count : counts) EXPECT_NEAR(count, 1000, 150);
}

// Every start of the program deals other games: two generators made one after
// the other start different sequences.
TEST(ClockRandomTest, TwoGeneratorsStartDifferentSequences) {
  ClockRandomSource first;
  ClockRandomSource second;
  EXPECT_NE(first.Next(), second.Next());
}

TEST(ClockRandomTest, TwoReseedsInQuickSuccessionDiffer) {
  ClockRandomSource random;
  random.Reseed();
  const double first = random.Next();
  random.Reseed();
  EXPECT_NE(random.Next(), first);
  for (int i = 0; i < 1000; ++i) {
    const double r = random.Next();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
  }
}

}  // namespace
}  // namespace breliko::game
