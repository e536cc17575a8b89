#include "highscore/highscore_file.h"

#include <cstdio>
#include <optional>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace breliko::highscore {

HighscoreFile::HighscoreFile(QString path, WriteFaults faults, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), faults_(std::move(faults)), lockWait_(lockWait) {}

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
  return SaveList(path_, records, faults_);
}

QByteArray HighscoreFile::ReadBytes(qint64 offset, qint64 count) const {
  CreateIfMissing();
  PutBackSaveCutShort();
  // A save of another copy is under way: its undo copy holds the list as it
  // stood before, whole, while the file's records may be half written.
  if (offset + count <= kListBytes) {
    if (const std::optional<QByteArray> undo = ReadUndoCopy(path_)) return undo->mid(offset, count);
  }
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    ReportOnConsole(QStringLiteral("%1 cannot be read: %2").arg(path_, file.errorString()));
    return {};
  }
  if (offset >= file.size() || !file.seek(offset)) return {};
  QByteArray bytes = file.read(count);
  if (file.error() != QFileDevice::NoError) {
    ReportOnConsole(QStringLiteral("%1 cannot be read: %2").arg(path_, file.errorString()));
  }
  return bytes;
}

// A save cut short by a crash leaves the undo copy of the old records beside
// the list, and the first read after it, at the latest the next start, puts
// them back. Not while another copy of the game holds the list's lock: that
// copy may be saving right now, behind an undo copy of its own. A lock left
// by a copy that died is no longer held.
void HighscoreFile::PutBackSaveCutShort() const {
  if (!QFileInfo::exists(UndoCopyPath(path_))) return;
  QLockFile lock(ListLockPath(path_));
  if (lock.tryLock()) PutBackUndoCopy(path_, faults_);
}

void HighscoreFile::CreateIfMissing() const {
  if (QFileInfo::exists(path_)) return;
  // NewOnly: should the file have appeared meanwhile, it is not emptied.
  QFile(path_).open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

void ReportOnConsole(const QString& line) {
  std::fprintf(stderr, "breliko: %s\n", line.toLocal8Bit().constData());
  std::fflush(stderr);
}

}  // namespace breliko::highscore
