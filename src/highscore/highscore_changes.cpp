#include "highscore/highscore_changes.h"

namespace breliko::highscore {

EntryOutcome AddEntry(const HighscoreFile& file, const HighscoreEntry& neu) {
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

WriteResult ResetList(const HighscoreFile& file) { return file.WriteList(HighscoreList{}); }

}  // namespace breliko::highscore
