#pragma once

#include <chrono>
#include <optional>

#include <QString>

#include "highscore/regular_file.h"

namespace breliko::highscore {

// How long a change of the list waits for another copy of the game that is
// changing it too. A save takes milliseconds.
inline constexpr std::chrono::milliseconds kListLockWait{6000};

// "P1.dat.lock" beside the list, or beside the file a link named P1.dat
// leads to.
QString ListLockPath(const QString& listPath);

// Two copies of the game started in one folder share P1.dat. A new entry reads
// the list and writes it back; while one copy holds this lock from its read
// to its write, the other cannot save a list that lacks the first one's
// entry. Released when it goes out of scope.
//
// The lock is held on the list itself (an open file description lock, which
// the kernel drops with the copy that held it), so it holds in a folder that
// takes no new file as well. Beside it the lock file "P1.dat.lock" is made,
// as copies of the game before this one look for it; it is held the same
// way, so one that a copy left when it died is seen at once and taken over.
// No open here can block: anything under the lock's name that cannot be a
// lock is told at once, and the change refused.
class ListLock {
 public:
  ListLock(const QString& listPath, std::chrono::milliseconds wait);
  ListLock(const ListLock&) = delete;
  ListLock& operator=(const ListLock&) = delete;
  ~ListLock();

  // Whether the list may be changed now.
  bool MayChangeList() const { return problem_.isEmpty(); }
  // Why the list may not be changed, for the player and the console.
  const QString& Problem() const { return problem_; }
  // The list, open to read and write; a missing one was made, empty.
  const RegularFile& List() const { return list_; }
  const QString& ListPath() const { return listPath_; }
  // What the change should tell although it goes ahead: a lock file that
  // could not be made.
  const QString& Note() const { return note_; }

 private:
  using Deadline = std::chrono::steady_clock::time_point;
  bool LockList(Deadline until);
  bool MakeLockFile(Deadline until);

  QString listPath_;
  RegularFile list_;
  QString lockPath_;
  int lockFile_ = -1;
  QString problem_;
  QString note_;
};

}  // namespace breliko::highscore
