#include "highscore/highscore_changes.h"

#include "highscore/list_lock.h"

namespace breliko::highscore {

EntryOutcome AddEntry(const HighscoreFile& file, const HighscoreEntry& neu) {
  // The list is read under the lock, by the save itself: read before it, it
  // could miss the entry another copy of the game is saving just now.
  EntryOutcome outcome;
  outcome.saved = file.ChangeList(
      [&](HighscoreList& list) {
        list[kListLength - 1] = neu;
        // A byte of the old file that ISO-8859-3 leaves undefined reads as
        // U+FFFD and is saved as "?"; the list shown says what the file now
        // holds.
        for (HighscoreEntry& entry : list) entry = AsStored(entry);
        AbsteigendSortieren(list);
      },
      &outcome.list);
  // Nothing saved: the list shown is the one the file holds.
  if (!outcome.saved.ok) outcome.list = file.ReadList();
  return outcome;
}

WriteResult ResetList(const HighscoreFile& file) {
  // The save keeps the records from 12 on as it reads them, so a reset is a
  // change of the list like an entry.
  return file.WriteList(HighscoreList{});
}

}  // namespace breliko::highscore
