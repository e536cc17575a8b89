#pragma once

#include "highscore/highscore_entry.h"
#include "highscore/highscore_file.h"
#include "highscore/highscore_list.h"
#include "highscore/safe_file_write.h"

namespace breliko::highscore {

// The two ways the list in the file changes, without the windows that ask
// for them: a new entry after a game, and the reset. Each holds the list's
// lock from its read to its write; when another copy of the game keeps the
// lock past the wait, nothing is written and the save reports the failure.

struct EntryOutcome {
  HighscoreList list;  // the eleven places as the file now holds them
  WriteResult saved;
};

// The new entry, as it will be stored, takes the eleventh place: whoever held
// it drops out. The eleven are ordered and written back as records 1 to 11.
EntryOutcome AddEntry(const HighscoreFile& file, const HighscoreEntry& neu);

// Eleven empty entries over records 1 to 11.
WriteResult ResetList(const HighscoreFile& file);

}  // namespace breliko::highscore
