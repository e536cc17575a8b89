#pragma once

#include <cstdint>
#include <string>

namespace breliko::game::testing {

// What a soak run did, and the first rule it saw broken (empty if none).
struct SoakReport {
  std::int64_t drops = 0;
  std::int64_t games = 0;
  std::int64_t stripes = 0;
  std::int64_t squares = 0;
  std::string failure;
};

// Plays seeded random games through the engine alone, one after another,
// with a player who mostly sorts the tiles by colour into 3 x 3 blocks and
// otherwise drags random fields to random places, and checks after
// every drop what must always hold. Stops after `drops` drops or at the
// first broken rule. The same seed plays the same games.
SoakReport PlaySoak(std::int64_t drops, std::uint64_t seed);

}  // namespace breliko::game::testing
