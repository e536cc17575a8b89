#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace breliko::highscore {

struct WriteResult {
  bool ok = false;
  QString problem;  // what went wrong, for the console; empty when ok
};

// A save writes records 1 to 11 in place, so that it costs the same for the
// 429 bytes the game writes as for a file of gigabytes behind them: nothing
// after the eleventh record is read, written or allocated, and the file keeps
// its length (a shorter one grows to 429 bytes), mode and owner.
//
// Crash safety comes from an undo copy, "P1.dat.undo" beside the list (see
// undo_copy.h). It is made whole under a temporary name, synced and renamed
// into place (the folder synced too) before the first record is written; the
// records are written and synced; only then does the undo copy go. A crash
// at any moment therefore leaves either no undo copy and the old or the new
// records whole, or a whole undo copy of this very save, which the next
// reader puts back (PutBackUndoCopy). Every step that fails fails the save.
//
// Where the folder takes no new file but the list can be written, the records
// are written in place without an undo copy, the best such a folder allows.
// Only while no other copy of the game may be saving: under the list's lock.
WriteResult SaveList(const QString& path, const QByteArray& records);

// The records 1 to 11 as the last whole save left them, while the undo copy
// of a save of this list stands beside it: a save under way, or one cut
// short. As many bytes as the file had then, so fewer than 429 for a shorter
// file.
std::optional<QByteArray> ReadUndoCopy(const QString& path);

// Writes the old records of a save cut short back over the list, cuts a file
// that the save lengthened back to its old length, syncs it and removes the
// undo copy. Anything else under the undo copy's name (not of this game, not
// of the save that made the list what it is, no regular file) leaves the list
// alone and is set aside as "P1.dat.undo.set-aside", with a line on the
// console. Fails when the list may still hold a save cut short, and then the
// undo copy stays for the next reader. Only under the list's lock.
WriteResult PutBackUndoCopy(const QString& path);

}  // namespace breliko::highscore
