#include "highscore/safe_file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "highscore/highscore_list.h"

namespace breliko::highscore {

namespace {

WriteResult Failed(const QString& problem) { return {false, problem}; }

QString LastSystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

int Sync(int descriptor, const WriteFaults& faults) {
  return faults.syncToDisk ? faults.syncToDisk(descriptor) : ::fsync(descriptor);
}

// Written is not yet on the disk: without fsync, a power cut soon after can
// find the undo copy empty or the records half old.
bool SyncToDisk(QFileDevice& file, const WriteFaults& faults) {
  return file.flush() && Sync(file.handle(), faults) == 0;
}

// A new name or a removed one is a change of the folder, durable only once
// the folder is synced too.
void SyncFolder(const QString& path, const WriteFaults& faults) {
  const QString folder = QFileInfo(path).absolutePath();
  const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  Sync(descriptor, faults);
  ::close(descriptor);
}

std::filesystem::path NativePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Records 1 to 11 as the last whole save left them: a leftover undo copy's,
// else the file's own. A missing file had none; one that cannot be read
// gives its reason.
std::optional<QByteArray> OldRecords(const QString& path, QString& problem) {
  if (std::optional<QByteArray> undo = ReadUndoCopy(path)) return undo;
  if (!QFileInfo::exists(path)) return QByteArray();
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.read(kListBytes);
  problem = file.errorString();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

WriteResult MakeUndoCopy(QTemporaryFile& undo, const QString& path, const WriteFaults& faults) {
  QString problem;
  const std::optional<QByteArray> old = OldRecords(path, problem);
  if (!old) return Failed(problem);
  if (undo.write(*old) != old->size()) return Failed(undo.errorString());
  if (!SyncToDisk(undo, faults)) return Failed(LastSystemError());
  undo.close();

  std::error_code error;
  std::filesystem::rename(NativePath(undo.fileName()), NativePath(UndoCopyPath(path)), error);
  if (error) return Failed(QString::fromStdString(error.message()));
  SyncFolder(path, faults);
  return {true, {}};
}

// Over the first bytes only: the file is opened without truncating it.
WriteResult WriteRecords(const QString& path, const QByteArray& records,
                         const WriteFaults& faults) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) return Failed(file.errorString());
  if (file.write(records) != records.size()) return Failed(file.errorString());
  if (!SyncToDisk(file, faults)) return Failed(LastSystemError());
  return {true, {}};
}

bool RemoveUndoCopy(const QString& path, const WriteFaults& faults) {
  if (!QFileInfo::exists(UndoCopyPath(path))) return true;
  if (::unlink(QFile::encodeName(UndoCopyPath(path)).constData()) != 0) return false;
  SyncFolder(path, faults);
  return true;
}

// An undo copy left by an earlier crash must go as well, or the next reader
// would put those old records back over these.
WriteResult WriteWithoutUndoCopy(const QString& path, const QByteArray& records,
                                 const WriteFaults& faults) {
  if (!QFileInfo(path).isFile()) {
    return Failed(
        QStringLiteral("the folder %1 takes no new file").arg(QFileInfo(path).absolutePath()));
  }
  WriteResult written = WriteRecords(path, records, faults);
  if (written.ok && !RemoveUndoCopy(path, faults)) return Failed(LastSystemError());
  return written;
}

}  // namespace

QString UndoCopyPath(const QString& path) { return path + QStringLiteral(".undo"); }

std::optional<QByteArray> ReadUndoCopy(const QString& path) {
  QFile undo(UndoCopyPath(path));
  if (!undo.open(QIODevice::ReadOnly)) return std::nullopt;
  return undo.read(kListBytes);
}

void PutBackUndoCopy(const QString& path, const WriteFaults& faults) {
  const std::optional<QByteArray> old = ReadUndoCopy(path);
  if (!old) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite) || file.write(*old) != old->size()) return;
  // A file shorter than eleven records grew to 429 bytes with the save.
  if (old->size() < kListBytes && !file.resize(old->size())) return;
  if (SyncToDisk(file, faults)) RemoveUndoCopy(path, faults);
}

WriteResult SaveList(const QString& path, const QByteArray& records, const WriteFaults& faults) {
  QTemporaryFile undo(UndoCopyPath(path) + QStringLiteral(".XXXXXX"));
  if (faults.folderRefusesNewFiles || !undo.open()) {
    return WriteWithoutUndoCopy(path, records, faults);
  }
  if (WriteResult made = MakeUndoCopy(undo, path, faults); !made.ok) return made;

  if (WriteResult written = WriteRecords(path, records, faults); !written.ok) {
    PutBackUndoCopy(path, faults);
    return written;
  }
  if (faults.beforeUndoCopyRemoved) faults.beforeUndoCopyRemoved();
  if (!RemoveUndoCopy(path, faults)) return Failed(LastSystemError());
  return {true, {}};
}

}  // namespace breliko::highscore
