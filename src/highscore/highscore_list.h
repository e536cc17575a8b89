#pragma once

#include <array>

#include "highscore/highscore_entry.h"

namespace breliko::highscore {

// Records 1 to 11 of the file: the top ten the list window shows, and an
// eleventh place that holds the lowest entry until the next new entry takes
// its slot.
inline constexpr int kListLength = 11;
inline constexpr qint64 kListBytes = kListLength * kRecordBytes;

// The tenth place is the score a finished game has to beat.
inline constexpr int kGrenzeRecord = 10;

using HighscoreList = std::array<HighscoreEntry, kListLength>;

// Highest score first. Among equal scores the earlier entry stays ahead, so
// a player who reached a score first keeps the better place; each entry
// keeps its own name and date.
void AbsteigendSortieren(HighscoreList& eintraege);

}  // namespace breliko::highscore
