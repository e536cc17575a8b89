#include "game/random_source.h"

#include <chrono>

namespace breliko::game {

namespace {

// The top 53 bits make a double in [0, 1) that can never round up to 1.
double UnitInterval(std::mt19937_64& engine) {
  return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

}  // namespace

ClockRandomSource::ClockRandomSource() { Reseed(); }

double ClockRandomSource::Next() { return UnitInterval(engine_); }

double SeededRandomSource::Next() { return UnitInterval(engine_); }

void ClockRandomSource::Reseed() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  ++reseeds_;
  std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                     static_cast<std::uint32_t>(reseeds_)};
  engine_.seed(seed);
}

}  // namespace breliko::game
