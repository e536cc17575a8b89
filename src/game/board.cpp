#include "game/board.h"

namespace breliko::game {

std::int64_t FieldValue(std::string_view tag) {
  // Eighteen digits are more than any tag of the game holds and still fit.
  constexpr std::size_t kMaxDigits = 18;
  std::int64_t value = 0;
  for (std::size_t i = 0; i < tag.size() && i < kMaxDigits; ++i) {
    const char c = tag[i];
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace breliko::game
