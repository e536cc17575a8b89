#include "highscore/list_lock.h"

namespace breliko::highscore {

ListLock::ListLock(const QString& listPath, std::chrono::milliseconds wait)
    : lock_(listPath + QStringLiteral(".lock")) {
  lock_.setStaleLockTime(kListLockStale);
  held_ = lock_.tryLock(wait);
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
