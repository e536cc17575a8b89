#include "highscore/highscore_changes.h"

#include "highscore/list_lock.h"

namespace breliko::highscore {

EntryOutcome AddEntry(const HighscoreFile& file, const HighscoreEntry& neu) {
  // The list is read under the lock too: read before it, it could miss the
  // entry another copy of the game is saving just now.
  const ListLock lock(file.Path(), file.LockWait());
  if (!lock.MayChangeList()) return {file.ReadList(), {false, lock.Problem()}};

  EntryOutcome outcome;
  outcome.list = file.ReadList();
  outcome.list[kListLength - 1] = neu;
  // A byte of the old file that ISO-8859-3 leaves undefined reads as U+FFFD
  // and is saved as "?"; the list shown says what the file now holds.
  for (HighscoreEntry& entry : outcome.list) entry = AsStored(entry);
  AbsteigendSortieren(outcome.list);
  outcome.saved = file.WriteList(outcome.list);
  return outcome;
}

WriteResult ResetList(const HighscoreFile& file) {
  // The save keeps the records from 12 on as it reads them, so a reset is a
  // change of the list like an entry.
  const ListLock lock(file.Path(), file.LockWait());
  if (!lock.MayChangeList()) return {false, lock.Problem()};
  return file.WriteList(HighscoreList{});
}

}  // namespace breliko::highscore
