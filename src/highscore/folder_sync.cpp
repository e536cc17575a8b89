#include "highscore/folder_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>
#include <QFileInfo>

#include "highscore/console_report.h"

namespace breliko::highscore {

QString SyncFolderOf(const QString& path) {
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return SystemError(errno);
  const int synced = ::fsync(descriptor);
  const int error = errno;
  ::close(descriptor);
  return synced == 0 ? QString() : SystemError(error);
}

}  // namespace breliko::highscore
