#include "highscore/highscore_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <optional>
#include <utility>

#include <QFile>

#include "highscore/console_report.h"
#include "highscore/list_links.h"
#include "highscore/regular_file.h"
#include "highscore/undo_copy.h"

namespace breliko::highscore {

namespace {

// Whether an undo copy may stand beside the list; where even that cannot be
// told, the put-back tries and tells.
bool MayHaveUndoCopy(const QString& list) {
  struct stat status {};
  return ::lstat(QFile::encodeName(UndoCopyPath(list)).constData(), &status) == 0 ||
         errno != ENOENT;
}

// O_EXCL: should the file have appeared meanwhile, it is not emptied; nor is
// anything else of that name opened.
void CreateIfMissing(const QString& list) { RegularFile(list, O_WRONLY | O_CREAT | O_EXCL); }

}  // namespace

HighscoreList ListOf(const QByteArray& records) {
  HighscoreList list;
  for (int i = 0; i < kListLength; ++i) {
    list[i] = FromRecord(records.mid(i * kRecordBytes, kRecordBytes));
  }
  return list;
}

QByteArray RecordsOf(const HighscoreList& list) {
  QByteArray records;
  for (const HighscoreEntry& entry : list) records += ToRecord(entry);
  return records;
}

HighscoreFile::HighscoreFile(QString path, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), lockWait_(lockWait) {}

HighscoreEntry HighscoreFile::ReadRecord(int number) const {
  return FromRecord(ReadBytes(ListTarget(path_), qint64(number - 1) * kRecordBytes, kRecordBytes));
}

HighscoreList HighscoreFile::ReadList() const {
  return ListOf(ReadBytes(ListTarget(path_), 0, kListBytes));
}

WriteResult HighscoreFile::ChangeList(const std::function<void(HighscoreList&)>& change,
                                      HighscoreList* saved) const {
  const ListLock lock(path_, lockWait_);
  if (!lock.MayChangeList()) return {false, lock.Problem()};
  if (!lock.Note().isEmpty()) ReportOnConsole(lock.Note());
  return SaveList(lock, [&](const QByteArray& oldRecords) {
    HighscoreList list = ListOf(oldRecords);
    change(list);
    if (saved) *saved = list;
    return RecordsOf(list);
  });
}

WriteResult HighscoreFile::WriteList(const HighscoreList& list) const {
  return ChangeList([&](HighscoreList& changed) { changed = list; });
}

QByteArray HighscoreFile::ReadBytes(const QString& list, qint64 offset, qint64 count) const {
  CreateIfMissing(list);
  PutBackSaveCutShort();
  // A save of another copy is under way: its undo copy holds the list as it
  // stood before, whole, while the file's records may be half written.
  if (offset + count <= kListBytes) {
    if (const std::optional<QByteArray> undo = ReadUndoCopy(list)) return undo->mid(offset, count);
  }
  const RegularFile file(list, O_RDONLY);
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
  if (!MayHaveUndoCopy(ListTarget(path_))) return;
  const ListLock lock(path_, std::chrono::milliseconds(0));
  if (!lock.MayChangeList()) return;
  if (const WriteResult putBack = PutBackUndoCopy(lock); !putBack.ok) {
    ReportOnConsole(putBack.problem);
  }
}

}  // namespace breliko::highscore
