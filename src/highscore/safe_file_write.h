#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>

namespace breliko::highscore {

struct WriteResult {
  bool ok = false;
  QString problem;  // what went wrong, for the console; empty when ok
};

// Places where a test can step into a save. A folder that takes no new file
// cannot be made with chmod when the tests run as root, so it is played here;
// `beforeUndoCopyRemoved` runs once the new records are written and synced
// while the undo copy of the old ones still stands, where a test can end the
// process the way a crash or a power cut would (having spoilt the records
// first, as a write torn by the crash would); and `syncToDisk` stands in for
// fsync(2), so a test sees what is synced when, or fails it as a failing disk
// would.
struct WriteFaults {
  bool folderRefusesNewFiles = false;
  std::function<void()> beforeUndoCopyRemoved;
  std::function<int(int descriptor)> syncToDisk;
};

// A save writes records 1 to 11 in place, so that it costs the same for the
// 429 bytes the game writes as for a file of gigabytes behind them: nothing
// after the eleventh record is read, written or allocated, and the file keeps
// its length (a shorter one grows to 429 bytes), mode and owner.
//
// Crash safety comes from an undo copy of the old records, "P1.dat.undo"
// beside the list. It is made whole under a temporary name, synced and
// renamed into place (the folder synced too) before the first record is
// written; the records are written and synced; only then does the undo copy
// go. A crash at any moment therefore leaves either no undo copy and the old
// or the new records whole, or an undo copy that is whole itself and holds
// the old records, which the next reader puts back (PutBackUndoCopy). The
// bytes after record 11 are never written, so no crash can touch them.
//
// Where the folder takes no new file but the list can be written, the records
// are written in place without an undo copy, the best such a folder allows.
WriteResult SaveList(const QString& path, const QByteArray& records,
                     const WriteFaults& faults = {});

QString UndoCopyPath(const QString& path);

// The records 1 to 11 as the last whole save left them, while an undo copy
// stands beside the list: a save under way, or one cut short. As many bytes
// as the file had then, so fewer than 429 for a shorter file.
std::optional<QByteArray> ReadUndoCopy(const QString& path);

// Writes a leftover undo copy back over the records, cuts a file that the
// cut-short save lengthened back to its old length, syncs it and removes the
// undo copy; should any step fail, the undo copy stays for the next reader.
// Only while no other copy of the game may be saving.
void PutBackUndoCopy(const QString& path, const WriteFaults& faults = {});

}  // namespace breliko::highscore
