#pragma once

#include <string>

#include "game/board.h"

namespace breliko::game::testing {

// The board as nine lines of symbols, one line a row from the top:
//   . empty   R O Y G C B M colours   J joker   X blocker   F flames
// A field in no known state shows as "?".
std::string PictureOf(const Board& board);

// The symbol of a colour index 0..7, for reading pictures back.
inline constexpr std::string_view kColourSymbols = "ROYGCBMJ";

}  // namespace breliko::game::testing
