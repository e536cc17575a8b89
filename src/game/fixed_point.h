#pragma once

#include <cmath>
#include <cstdint>

namespace breliko::game {

// A number with four decimal places held as a whole count of ten-thousandths,
// like the currency type the game's chances were first written in. 7.18 is
// exactly 71800 here, so a factor never drifts by a binary fraction.
class FixedPoint4 {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr FixedPoint4() = default;
  static constexpr FixedPoint4 FromUnits(std::int64_t units) { return FixedPoint4(units); }

  // Brings a product such as r × 9.36 to four decimals, rounding to nearest
  // (halves to even, as the currency type does).
  static FixedPoint4 Round(double value) {
    return FixedPoint4(static_cast<std::int64_t>(std::nearbyint(value * kScale)));
  }

  constexpr std::int64_t Units() const { return units_; }
  constexpr double ToDouble() const { return static_cast<double>(units_) / kScale; }

  friend constexpr bool operator>(FixedPoint4 a, FixedPoint4 b) { return a.units_ > b.units_; }
  friend constexpr bool operator==(FixedPoint4 a, FixedPoint4 b) = default;

 private:
  explicit constexpr FixedPoint4(std::int64_t units) : units_(units) {}
  std::int64_t units_ = 0;
};

}  // namespace breliko::game
