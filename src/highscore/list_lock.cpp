#include "highscore/list_lock.h"

#include <fcntl.h>

#include <algorithm>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "highscore/regular_file.h"

namespace breliko::highscore {

namespace {

// Each try at the lock is this short, so that an empty lock is seen soon.
constexpr std::chrono::milliseconds kLockStep{100};

QString Reason(QLockFile::LockError error) {
  return error == QLockFile::PermissionError ? QStringLiteral("permission denied")
                                             : QStringLiteral("the folder does not take it");
}

// Why the list cannot be changed at all: it, or the lock's name, is taken by
// something else than a regular file, or the list cannot even be looked at. Nothing
// is made beside a list that is no file (beside /dev/null, that is /dev).
QString Refusal(const QString& listPath, const QString& lockPath) {
  const RegularFile list(listPath, O_RDONLY);
  if (!list.IsOpen() && !list.Missing()) {
    return QStringLiteral("%1 cannot be changed: %2").arg(listPath, list.Problem());
  }
  // A lock file the folder does not take is Qt's to tell.
  const RegularFile lock(lockPath, O_RDONLY);
  if (lock.WrongKind()) {
    return QStringLiteral("%1 cannot be the list's lock: %2").arg(lockPath, lock.Problem());
  }
  return {};
}

// A copy killed between making its lock and writing its process number into
// it leaves an empty lock, which Qt would take for a live one until it is
// old; a copy taking the lock writes its number at once.
void RemoveEmptyLockLeftBehind(const QString& lockPath) {
  const QFileInfo lock(lockPath);
  const QDateTime made = lock.lastModified();
  if (lock.isFile() && lock.size() == 0 &&
      made.msecsTo(QDateTime::currentDateTime()) > kEmptyLockStale.count()) {
    QFile::remove(lockPath);
  }
}

}  // namespace

QString ListLockPath(const QString& listPath) {
  return ListTarget(listPath) + QStringLiteral(".lock");
}

ListLock::ListLock(const QString& listPath, std::chrono::milliseconds wait)
    : lock_(ListLockPath(listPath)) {
  refusal_ = Refusal(listPath, lock_.fileName());
  if (!refusal_.isEmpty()) return;
  lock_.setStaleLockTime(kListLockStale);
  TakeLock(wait);
  // Qt takes a stale lock over under a helper lock of its own; a copy killed
  // just then leaves that one behind as well, and Qt would never take the
  // list's lock over again. Past the wait, a stale lock goes without it.
  if (!held_ && lock_.error() == QLockFile::LockFailedError && lock_.removeStaleLockFile()) {
    held_ = lock_.tryLock(0);
  }
  error_ = held_ ? QLockFile::NoError : lock_.error();
  if (!held_ && error_ != QLockFile::LockFailedError) {
    ReportOnConsole(QStringLiteral("%1 cannot be made (%2); the list is changed without it")
                        .arg(lock_.fileName(), Reason(error_)));
  }
}

void ListLock::TakeLock(std::chrono::milliseconds wait) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point until = Clock::now() + wait;
  do {
    RemoveEmptyLockLeftBehind(lock_.fileName());
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    held_ = lock_.tryLock(std::clamp(left, std::chrono::milliseconds(0), kLockStep));
  } while (!held_ && lock_.error() == QLockFile::LockFailedError && Clock::now() < until);
}

bool ListLock::MayChangeList() const {
  return refusal_.isEmpty() && (held_ || error_ != QLockFile::LockFailedError);
}

QString ListLock::Problem() const {
  if (!refusal_.isEmpty()) return refusal_;
  if (MayChangeList()) return {};
  return QStringLiteral("another copy of the game is saving the list (%1)").arg(lock_.fileName());
}

}  // namespace breliko::highscore
