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

// A generator with a fixed seed, for games that must come out the same in
// every run: benchmarks and tests. A reseed moves on to the next seed.
class SeededRandomSource final : public RandomSource {
 public:
  explicit SeededRandomSource(std::uint64_t seed) : seed_(seed), engine_(seed) {}
  double Next() override;
  void Reseed() override { engine_.seed(++seed_); }

 private:
  std::uint64_t seed_;
  std::mt19937_64 engine_;
};

}  // namespace breliko::game
