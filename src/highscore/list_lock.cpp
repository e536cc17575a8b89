#include "highscore/list_lock.h"

#include "highscore/highscore_file.h"

namespace breliko::highscore {

namespace {

QString Reason(QLockFile::LockError error) {
  return error == QLockFile::PermissionError ? QStringLiteral("permission denied")
                                             : QStringLiteral("the folder does not take it");
}

}  // namespace

QString ListLockPath(const QString& listPath) { return listPath + QStringLiteral(".lock"); }

ListLock::ListLock(const QString& listPath, std::chrono::milliseconds wait)
    : lock_(ListLockPath(listPath)) {
  lock_.setStaleLockTime(kListLockStale);
  held_ = lock_.tryLock(wait);
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

bool ListLock::MayChangeList() const { return held_ || error_ != QLockFile::LockFailedError; }

QString ListLock::Problem() const {
  if (MayChangeList()) return {};
  return QStringLiteral("another copy of the game is saving the list (%1)").arg(lock_.fileName());
}

}  // namespace breliko::highscore
