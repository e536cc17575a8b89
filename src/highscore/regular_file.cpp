#include "highscore/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "highscore/console_report.h"

namespace breliko::highscore {

namespace {

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

QString KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return QStringLiteral("a FIFO");
  if (S_ISSOCK(mode)) return QStringLiteral("a socket");
  if (S_ISLNK(mode)) return QStringLiteral("a link that is not followed");
  return S_ISDIR(mode) ? QStringLiteral("a folder") : QStringLiteral("a device");
}

}  // namespace

RegularFile::RegularFile(const QString& path, int flags) {
  const QByteArray native = Native(path);
  descriptor_ =
      ::open(native.constData(), flags | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC, 0666);
  struct stat status {};
  if (descriptor_ < 0) {
    error_ = errno;
    missing_ = error_ == ENOENT || error_ == ENAMETOOLONG;
    problem_ = SystemError(error_);
    // A folder does not open for writing, nor a socket or a link at all:
    // the name tells their kind.
    if ((error_ == EISDIR || error_ == ENXIO || error_ == ELOOP) &&
        ::lstat(native.constData(), &status) == 0) {
      TellKind(status.st_mode);
    }
    return;
  }
  if (::fstat(descriptor_, &status) != 0) {
    problem_ = SystemError(errno);
  } else {
    TellKind(status.st_mode);
  }
  length_ = status.st_size;
  owner_ = status.st_uid;
  if (problem_.isEmpty()) return;
  ::close(descriptor_);
  descriptor_ = -1;
}

void RegularFile::TellKind(mode_t mode) {
  if (S_ISREG(mode)) return;
  wrongKind_ = true;
  problem_ = QStringLiteral("it is ") + KindOf(mode);
}

RegularFile::~RegularFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

qint64 RegularFile::Length() const {
  struct stat status {};
  return ::fstat(descriptor_, &status) == 0 ? status.st_size : length_;
}

// A regular file gives or takes all the bytes in one call, short of its end
// or of a full disk.
QString RegularFile::Read(qint64 offset, qint64 count, QByteArray& bytes) const {
  bytes.resize(qsizetype(qBound<qint64>(0, Length() - offset, count)));
  const ssize_t read = ::pread(descriptor_, bytes.data(), size_t(bytes.size()), offset);
  if (read < 0) return SystemError(errno);
  bytes.resize(read);
  return {};
}

QString RegularFile::WriteAtStart(const QByteArray& bytes) const {
  const ssize_t written = ::pwrite(descriptor_, bytes.constData(), size_t(bytes.size()), 0);
  if (written == bytes.size()) return {};
  return SystemError(written < 0 ? errno : ENOSPC);
}

QString RegularFile::CutTo(qint64 length) const {
  return ::ftruncate(descriptor_, length) == 0 ? QString() : SystemError(errno);
}

QString RegularFile::Sync() const {
  return ::fsync(descriptor_) == 0 ? QString() : SystemError(errno);
}

}  // namespace breliko::highscore
