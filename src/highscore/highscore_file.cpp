#include "highscore/highscore_file.h"

#include <fcntl.h>

#include <optional>
#include <utility>

#include <QLockFile>

#include "highscore/undo_copy.h"

namespace breliko::highscore {

HighscoreFile::HighscoreFile(QString path, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), lockWait_(lockWait) {}

HighscoreEntry HighscoreFile::ReadRecord(int number) const {
  return FromRecord(ReadBytes(qint64(number - 1) * kRecordBytes, kRecordBytes));
}

HighscoreList HighscoreFile::ReadList() const {
  const QByteArray bytes = ReadBytes(0, kListBytes);
  HighscoreList list;
  for (int i = 0; i < kListLength; ++i) {
    list[i] = FromRecord(bytes.mid(i * kRecordBytes, kRecordBytes));
  }
  return list;
}

WriteResult HighscoreFile::WriteList(const HighscoreList& list) const {
  QByteArray records;
  for (const HighscoreEntry& entry : list) records += ToRecord(entry);
  return SaveList(path_, records);
}

QByteArray HighscoreFile::ReadBytes(qint64 offset, qint64 count) const {
  CreateIfMissing();
  PutBackSaveCutShort();
  // A save of another copy is under way: its undo copy holds the list as it
  // stood before, whole, while the file's records may be half written.
  if (offset + count <= kListBytes) {
    if (const std::optional<QByteArray> undo = ReadUndoCopy(path_)) return undo->mid(offset, count);
  }
  const RegularFile file(path_, O_RDONLY);
  QByteArray bytes;
  const QString problem = file.IsOpen() ? file.Read(offset, count, bytes) : file.Problem();
  if (!problem.isEmpty()) {
    ReportOnConsole(QStringLiteral("%1 cannot be read: %2").arg(path_, problem));
  }
  return bytes;
}

// A save cut short by a crash leaves the undo copy of the old records beside
// the list, and the first read after it, at the latest the next start, puts
// them back. Not while another copy of the game holds the list's lock: that
// copy may be saving right now, behind an undo copy of its own. A lock left
// by a copy that died is no longer held.
void HighscoreFile::PutBackSaveCutShort() const {
  // Where even that cannot be told, the put-back tries and tells.
  QString problem;
  if (!Exists(UndoCopyPath(path_), problem) && problem.isEmpty()) return;
  QLockFile lock(ListLockPath(path_));
  if (!lock.tryLock()) return;
  if (const WriteResult putBack = PutBackUndoCopy(path_); !putBack.ok) {
    ReportOnConsole(putBack.problem);
  }
}

// O_EXCL: should the file have appeared meanwhile, it is not emptied; nor is
// anything else of that name opened.
void HighscoreFile::CreateIfMissing() const { RegularFile(path_, O_WRONLY | O_CREAT | O_EXCL); }

}  // namespace breliko::highscore
