#pragma once

#include <QString>

#include "highscore/highscore_entry.h"

namespace breliko::testing {

// Two copies of the game on one P1.dat, each entering this many scores.
inline constexpr int kTurns = 50;

// The score of a player's turn: 1000 to 1099, each once over both players,
// spread so that the ten highest fall on turns all through the run. A turn
// whose entry got lost would then show in the final list.
inline qint16 PlayerScore(int player, int turn) {
  const int overall = 2 * turn + player;
  return qint16(1000 + (overall * 37) % 100);
}

inline highscore::HighscoreEntry PlayerEntry(int player, int turn) {
  return {PlayerScore(player, turn), QStringLiteral("Ludanto %1 vico %2").arg(player).arg(turn),
          QStringLiteral("01.02.24 10:00:00")};
}

}  // namespace breliko::testing
