#include "highscore/list_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <thread>

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include "highscore/console_report.h"
#include "highscore/list_links.h"

namespace breliko::highscore {

namespace {

using Clock = std::chrono::steady_clock;

// How often a held lock is looked at again.
constexpr std::chrono::milliseconds kLockStep{10};
// A copy making its lock file locks it at once and writes its number into it
// right after; an empty one older than this was left by a copy that died
// between the two.
constexpr std::chrono::milliseconds kEmptyLockStale{500};
// Lock files left behind that are removed in a row before the change waits
// like for a held one.
constexpr int kMostTakeOvers = 8;

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// The lines copies of the game before this one write into their lock file
// and read from another's: process number, program, host, machine and boot.
QByteArray LockFileContents() {
  QString program = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).fileName();
  program.remove(QStringLiteral(" (deleted)"));
  return QByteArray::number(::getpid()) + '\n' + program.toUtf8() + '\n' +
         QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
         QSysInfo::bootUniqueId() + '\n';
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

enum class Found { kNone, kHeld, kNoLock };

// What stands under a lock file's name. A copy of the game holds its lock
// file locked (flock) for as long as it holds the list, so one that nobody
// holds was left by a copy that died, whatever process number it names, and
// is removed. `problem` says why anything else there is no lock.
Found LookAtLock(const QString& lockPath, QString& problem) {
  const RegularFile lock(lockPath, O_RDONLY);
  if (lock.Missing()) return Found::kNone;
  if (!lock.IsOpen()) {
    problem = lock.Problem();
    return Found::kNoLock;
  }
  struct stat opened {};
  if (::flock(lock.Descriptor(), LOCK_SH | LOCK_NB) != 0 ||
      ::fstat(lock.Descriptor(), &opened) != 0) {
    return Found::kHeld;
  }
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const auto age = std::chrono::seconds(now.tv_sec - opened.st_mtim.tv_sec) +
                   std::chrono::nanoseconds(now.tv_nsec - opened.st_mtim.tv_nsec);
  if (opened.st_size == 0 && age < kEmptyLockStale) return Found::kHeld;
  struct stat named {};
  const QByteArray name = Native(lockPath);
  if (::lstat(name.constData(), &named) != 0 || !SameFile(opened, named)) return Found::kNone;
  if (::unlink(name.constData()) != 0) {
    problem = QStringLiteral("it was left by a copy that is gone, and cannot be removed: ") +
              SystemError(errno);
    return Found::kNoLock;
  }
  return Found::kNone;
}

QString Reason(int error) {
  return error == EACCES || error == EPERM ? QStringLiteral("permission denied")
                                           : QStringLiteral("the folder does not take it");
}

}  // namespace

QString ListLockPath(const QString& listPath) {
  return ListTarget(listPath) + QStringLiteral(".lock");
}

ListLock::ListLock(const QString& listPath, std::chrono::milliseconds wait)
    : listPath_(ListTarget(listPath)),
      list_(listPath_, O_RDWR | O_CREAT),
      lockPath_(listPath_ + QStringLiteral(".lock")) {
  if (!list_.IsOpen()) {
    problem_ = QStringLiteral("%1 cannot be changed: %2").arg(listPath_, list_.Problem());
    return;
  }
  const Deadline until = Clock::now() + wait;
  if (!LockList(until) || !MakeLockFile(until)) return;
  // Copies before this one take a lock over under a helper lock; one killed
  // just then leaves it, and they would wait for it for half a minute.
  QString ignored;
  LookAtLock(lockPath_ + QStringLiteral(".rmlock"), ignored);
}

bool ListLock::LockList(Deadline until) {
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  while (::fcntl(list_.Descriptor(), F_OFD_SETLK, &whole) != 0) {
    // A file system without such locks leaves the lock file alone to lock.
    if (errno != EAGAIN && errno != EACCES) return true;
    if (Clock::now() >= until) {
      problem_ = QStringLiteral("another copy of the game is saving the list (%1)").arg(listPath_);
      return false;
    }
    std::this_thread::sleep_for(kLockStep);
  }
  return true;
}

bool ListLock::MakeLockFile(Deadline until) {
  const QByteArray name = Native(lockPath_);
  int takeOvers = 0;
  for (;;) {
    const int made = ::open(
        name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (made >= 0) {
      lockFile_ = made;
      ::flock(made, LOCK_EX | LOCK_NB);
      // Should the lines not be written, it still locks: copies of this
      // game go by the flock, older ones by its being there.
      const QByteArray contents = LockFileContents();
      [[maybe_unused]] const ssize_t written =
          ::write(made, contents.constData(), size_t(contents.size()));
      return true;
    }
    if (errno != EEXIST) {
      // A lock file the folder does not take (permission, no space, a quota,
      // a name too long) stops no copy before this one, but the lock on the
      // list itself stops every copy of this one.
      note_ = QStringLiteral("%1 cannot be made (%2); the list is locked on itself alone")
                  .arg(lockPath_, Reason(errno));
      return true;
    }
    QString problem;
    const Found found = LookAtLock(lockPath_, problem);
    if (found == Found::kNoLock) {
      problem_ = QStringLiteral("%1 cannot be the list's lock: %2").arg(lockPath_, problem);
      return false;
    }
    if (found == Found::kNone && ++takeOvers <= kMostTakeOvers) continue;
    if (Clock::now() >= until) {
      problem_ = QStringLiteral("another copy of the game is saving the list (%1)").arg(lockPath_);
      return false;
    }
    std::this_thread::sleep_for(kLockStep);
  }
}

ListLock::~ListLock() {
  if (lockFile_ < 0) return;
  // Only the lock file this copy made goes.
  struct stat made {};
  struct stat named {};
  const QByteArray name = Native(lockPath_);
  if (::fstat(lockFile_, &made) == 0 && ::lstat(name.constData(), &named) == 0 &&
      SameFile(made, named)) {
    ::unlink(name.constData());
  }
  ::close(lockFile_);
}

}  // namespace breliko::highscore
