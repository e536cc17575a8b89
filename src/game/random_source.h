#pragma once

#include <cstdint>
#include <random>

namespace breliko::game {

// The one random-number generator of the program. The game, the blocker and
// colour-dissolution chances and the fractal tree all draw from it, and the
// operations that reseed it from the clock reseed it for all of them.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform number in [0, 1).
  virtual double Next() = 0;
  // Starts a new sequence from the clock.
  virtual void Reseed() = 0;
};

// The real generator: a Mersenne twister reseeded from a high-resolution
// clock, mixed with a counter so that two reseeds within one clock tick
// still start different sequences.
class ClockRandomSource final : public RandomSource {
 public:
  ClockRandomSource();
  double Next() override;
  void Reseed() override;

 private:
  std::mt19937_64 engine_;
  std::uint64_t reseeds_ = 0;
};

}  // namespace breliko::game
