#include "highscore/list_links.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace breliko::highscore {

namespace {

bool Trusted(const QFileInfo& link) {
  struct stat own {};
  struct stat folder {};
  if (::lstat(QFile::encodeName(link.filePath()).constData(), &own) != 0 ||
      ::stat(QFile::encodeName(link.absolutePath()).constData(), &folder) != 0) {
    return false;
  }
  return own.st_uid == ::geteuid() || own.st_uid == folder.st_uid;
}

}  // namespace

QString ListTarget(const QString& path) {
  const QFileInfo info(path);
  if (!info.isSymLink() || !Trusted(info)) return path;
  const QString target = info.canonicalFilePath();
  return target.isEmpty() ? path : target;
}

}  // namespace breliko::highscore
