#include "highscore/list_lock.h"

namespace breliko::highscore {

ListLock::ListLock(const QString& listPath, std::chrono::milliseconds wait)
    : lock_(listPath + QStringLiteral(".lock")) {
  lock_.setStaleLockTime(kListLockStale);
  held_ = lock_.tryLock(wait);
  // Qt takes a stale lock over under a helper lock of its own; a copy killed
  // just then leaves that one behind as well, and Qt would never take the
  // list's lock over again. Past the wait, a stale lock goes without it.
  if (!held_ && lock_.error() == QLockFile::LockFailedError && lock_.removeStaleLockFile()) {
    held_ = lock_.tryLock(0);
  }
}

bool ListLock::MayChangeList() const {
  return held_ || lock_.error() == QLockFile::PermissionError;
}

QString ListLock::Problem() const {
  if (MayChangeList()) return {};
  if (lock_.error() == QLockFile::LockFailedError) {
    return QStringLiteral("another copy of the game is saving the list (%1)").arg(lock_.fileName());
  }
  return QStringLiteral("%1 cannot be made").arg(lock_.fileName());
}

}  // namespace breliko::highscore
