#include <gtest/gtest.h>

#include "soak_player.h"

namespace breliko::game::testing {
namespace {

// A few thousand seeded games to their end; the soak command plays a million
// drops the same way.
TEST(SoakTest, SeededRandomGamesKeepTheirInvariantsToTheEnd) {
  for (std::uint64_t seed : {1u, 2u, 3u}) {
    const SoakReport report = PlaySoak(30'000, seed);
    EXPECT_EQ(report.failure, "") << "seed " << seed;
    EXPECT_EQ(report.drops, 30'000);
    EXPECT_GT(report.games, 100) << "games end when the board fills";
    EXPECT_GT(report.stripes, 0);
    EXPECT_GT(report.squares, 0);
  }
}

TEST(SoakTest, TheSameSeedPlaysTheSameGames) {
  const SoakReport first = PlaySoak(5'000, 7);
  const SoakReport again = PlaySoak(5'000, 7);
  EXPECT_EQ(first.games, again.games);
  EXPECT_EQ(first.stripes, again.stripes);
  EXPECT_EQ(first.squares, again.squares);
}

}  // namespace
}  // namespace breliko::game::testing
