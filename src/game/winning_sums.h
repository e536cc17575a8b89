#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace breliko::game {

// For each colour value v (10000000 down to 10) and k jokers the sum
// (n − k) × v + k, and last n jokers alone: the sums of n fields that show
// one colour, jokers standing in for it.
template <int n>
constexpr std::array<std::int32_t, 7 * n + 1> WinningSums() {
  std::array<std::int32_t, 7 * n + 1> sums{};
  int next = 0;
  for (std::int32_t v = 10000000; v >= 10; v /= 10) {
    for (int jokers = 0; jokers < n; ++jokers) {
      sums[next++] = (n - jokers) * v + jokers;
    }
  }
  sums[next] = n;
  return sums;
}

inline constexpr auto FuenferSummen = WinningSums<5>();  // stripes
inline constexpr auto NeunerSummen = WinningSums<9>();   // squares

template <std::size_t size>
constexpr bool IsWinningSum(const std::array<std::int32_t, size>& table, std::int32_t sum) {
  return std::find(table.begin(), table.end(), sum) != table.end();
}

}  // namespace breliko::game
