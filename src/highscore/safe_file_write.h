#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>

#include "highscore/list_lock.h"

namespace breliko::highscore {

struct WriteResult {
  bool ok = false;
  QString problem;  // what went wrong, for the console; empty when ok
};

// Records 1 to 11 of the new list, made of the old ones.
using NewRecords = std::function<QByteArray(const QByteArray& oldRecords)>;

// A save writes records 1 to 11 in place, so that it costs the same for the
// 429 bytes the game writes as for a file of gigabytes behind them: nothing
// after the eleventh record is read, written or allocated, and the file keeps
// its length (a shorter one grows to 429 bytes), mode and owner.
//
// The new records are made of the old ones as this save reads them, under
// the list's lock: a read that fails saves nothing, so a list that cannot be
// read is never written over with what little could be.
//
// Crash safety comes from an undo copy, "P1.dat.undo" beside the list (see
// undo_copy.h). It is made whole under a temporary name, synced and renamed
// into place (the folder synced too) before the first record is written; the
// records are written and synced; only then does the undo copy go. A crash
// at any moment therefore leaves either no undo copy and the old or the new
// records whole, or a whole undo copy of this very save, which the next
// reader puts back (PutBackUndoCopy). Every step that fails fails the save.
//
// Where the folder takes no new file, or another user's file that cannot be
// moved holds the undo copy's name, the records are written in place without
// an undo copy, the best such a folder allows.
WriteResult SaveList(const ListLock& lock, const NewRecords& newRecords);

// The records 1 to 11 as the last whole save left them, while the undo copy
// of a save of this list stands beside it: a save under way, or one cut
// short. As many bytes as the file had then, so fewer than 429 for a shorter
// file.
std::optional<QByteArray> ReadUndoCopy(const QString& path);

// Writes the old records of a save cut short back over the list, cuts a file
// that the save lengthened back to its old length, syncs it and removes the
// undo copy. Anything else under the undo copy's name (not of this game, not
// of the save that made the list what it is, no regular file, a file of
// another user) leaves the list alone and is set aside as
// "P1.dat.undo.set-aside" (then ".set-aside.2" and on, never over an earlier
// one), with a line on the console; where it cannot be moved it is left and
// told. Fails when the list may still hold a save cut short, and then the
// undo copy stays for the next reader.
WriteResult PutBackUndoCopy(const ListLock& lock);

}  // namespace breliko::highscore
