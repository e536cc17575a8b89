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

namespace breliko::highscore {

namespace {

WriteResult Failed(const QString& problem) { return {false, problem}; }

QString LastSystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

int Sync(int descriptor, const WriteFaults& faults) {
  return faults.syncToDisk ? faults.syncToDisk(descriptor) : ::fsync(descriptor);
}

// Written is not yet on the disk: without fsync, a power cut soon after the
// rename can leave the file empty.
bool SyncToDisk(QFileDevice& file, const WriteFaults& faults) {
  return file.flush() && Sync(file.handle(), faults) == 0;
}

// The rename is itself a change of the folder, durable only once the folder
// is synced too.
void SyncFolder(const QString& folder, const WriteFaults& faults) {
  const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  Sync(descriptor, faults);
  ::close(descriptor);
}

WriteResult WriteInPlace(const QString& path, const QByteArray& content,
                         const WriteFaults& faults) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) return Failed(file.errorString());
  if (file.write(content) != content.size()) return Failed(file.errorString());
  if (!SyncToDisk(file, faults)) return Failed(LastSystemError());
  return {true, {}};
}

std::filesystem::path NativePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

WriteResult ReplaceFileContent(const QString& path, const QByteArray& content,
                               const WriteFaults& faults) {
  const QFileInfo target(path);
  QTemporaryFile temporary(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
  if (faults.folderRefusesNewFiles || !temporary.open()) {
    if (target.isFile()) return WriteInPlace(path, content, faults);
    return Failed(QStringLiteral("the folder %1 takes no new file").arg(target.absolutePath()));
  }

  if (temporary.write(content) != content.size()) return Failed(temporary.errorString());
  if (!SyncToDisk(temporary, faults)) return Failed(LastSystemError());
  temporary.setPermissions(target.isFile() ? target.permissions()
                                           : QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadGroup | QFile::ReadOther);
  if (faults.beforeRename) faults.beforeRename();
  temporary.close();

  std::error_code error;
  std::filesystem::rename(NativePath(temporary.fileName()), NativePath(target.absoluteFilePath()),
                          error);
  if (error) return Failed(QString::fromStdString(error.message()));
  temporary.setAutoRemove(false);
  SyncFolder(target.absolutePath(), faults);
  return {true, {}};
}

}  // namespace breliko::highscore
