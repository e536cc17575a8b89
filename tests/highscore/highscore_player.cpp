// A second copy of the game on the P1.dat of the folder given, for the tests
// of two players sharing one folder.
//   breliko_highscore_player <folder> entries <player 0|1>
//     enters the player's scores one after the other, as fast as it can;
//     exits 0 once all are saved, 1 if a save failed
//   breliko_highscore_player <folder> die-holding-lock
//     takes the list's lock and is killed while holding it
// Exits 2 on bad usage.

#include <signal.h>

#include <QDir>
#include <QFile>

#include "highscore/highscore_changes.h"
#include "highscore/list_lock.h"
#include "two_players.h"

namespace {

int EnterScores(const breliko::highscore::HighscoreFile& file, int player) {
  for (int turn = 0; turn < breliko::testing::kTurns; ++turn) {
    if (!AddEntry(file, breliko::testing::PlayerEntry(player, turn)).saved.ok) return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const QDir folder(QFile::decodeName(argv[1]));
  const breliko::highscore::HighscoreFile file(folder.filePath(QStringLiteral("P1.dat")));
  const QByteArray what = argv[2];
  if (what == "entries" && argc == 4) return EnterScores(file, QByteArray(argv[3]).toInt());
  if (what == "die-holding-lock" && argc == 3) {
    const breliko::highscore::ListLock lock(file.Path(), file.LockWait());
    if (!lock.MayChangeList()) return 1;
    ::raise(SIGKILL);
  }
  return 2;
}
