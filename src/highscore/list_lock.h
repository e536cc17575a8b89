#pragma once

#include <chrono>

#include <QLockFile>
#include <QString>

namespace breliko::highscore {

// How long a change of the list waits for another copy of the game that is
// changing it too. A save takes milliseconds, so a lock older than
// kListLockStale was left by a copy that died with it and is taken over; one
// whose process is gone is taken over at once, and so is an empty one older
// than kEmptyLockStale, which a copy killed while taking it leaves.
inline constexpr std::chrono::milliseconds kListLockWait{6000};
inline constexpr std::chrono::milliseconds kListLockStale{4000};
inline constexpr std::chrono::milliseconds kEmptyLockStale{500};

// "P1.dat.lock" beside the list, or beside the file a link named P1.dat
// leads to.
QString ListLockPath(const QString& listPath);

// Two copies of the game started in one folder share P1.dat. A new entry reads
// the list and writes it back; while one copy holds this lock from its read
// to its write, the other cannot save a list that lacks the first one's
// entry. Released when it goes out of scope.
class ListLock {
 public:
  ListLock(const QString& listPath, std::chrono::milliseconds wait);
  ListLock(const ListLock&) = delete;
  ListLock& operator=(const ListLock&) = delete;

  // Whether the list may be changed now. Another copy of the game that holds
  // the lock past the wait stops a change, and so does a list that is no
  // regular file or a lock's name taken by something that is no lock file: a
  // folder there would keep every copy waiting. A lock file the folder does
  // not take (permission, no space, a quota, a file system without the
  // needed calls) stops no other copy either, and the game wrote P1.dat
  // without any lock for years, so the change goes ahead unlocked, with a
  // line on the console.
  bool MayChangeList() const;
  // Why the list may not be changed, for the player and the console.
  QString Problem() const;

 private:
  void TakeLock(std::chrono::milliseconds wait);

  QLockFile lock_;
  bool held_ = false;
  QLockFile::LockError error_ = QLockFile::NoError;
  QString refusal_;
};

}  // namespace breliko::highscore
