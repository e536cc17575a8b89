#pragma once

#include <chrono>
#include <functional>

#include <QByteArray>
#include <QString>

#include "highscore/highscore_entry.h"
#include "highscore/highscore_list.h"
#include "highscore/list_lock.h"
#include "highscore/safe_file_write.h"

namespace breliko::highscore {

// The highscore file, "P1.dat" in the working directory unless told
// otherwise: records of 39 bytes, numbered from 1, no header. Every call
// opens the file and closes it again, so nothing is held between the
// player's actions.
//
// A file that cannot be read shows what could be read, the rest blank, and
// the game goes on; so does one that is no regular file (a folder, a FIFO, a
// device), which is never read or written. But a change of the list is made
// of a read of its own, and nothing is saved when that read fails. Records
// from 12 on are never touched: a save writes records 1 to 11 and keeps
// whatever follows them.
class HighscoreFile {
 public:
  explicit HighscoreFile(QString path = QStringLiteral("P1.dat"),
                         std::chrono::milliseconds lockWait = kListLockWait);

  const QString& Path() const { return path_; }
  // How long a change of the list waits for another copy of the game.
  std::chrono::milliseconds LockWait() const { return lockWait_; }
  // A record beyond the end of the file reads as an empty entry. Reading a
  // missing file creates it, empty. Records 1 to 11 read as the last whole
  // save left them: see PutBackSaveCutShort.
  HighscoreEntry ReadRecord(int number) const;
  HighscoreList ReadList() const;

  // The score of the tenth place, which a finished game has to beat.
  qint16 ReadHighscoreGrenze() const { return ReadRecord(kGrenzeRecord).Wert; }

  // Under the list's lock, reads records 1 to 11, lets `change` make the new
  // list of them and saves it as a whole; a crash meanwhile leaves the old
  // records (SaveList). `saved` is the list as written.
  WriteResult ChangeList(const std::function<void(HighscoreList&)>& change,
                         HighscoreList* saved = nullptr) const;
  WriteResult WriteList(const HighscoreList& list) const;

 private:
  QByteArray ReadBytes(const QString& list, qint64 offset, qint64 count) const;
  void PutBackSaveCutShort() const;

  QString path_;
  std::chrono::milliseconds lockWait_;
};

// Records 1 to 11 as the list they hold, and back.
HighscoreList ListOf(const QByteArray& records);
QByteArray RecordsOf(const HighscoreList& list);

}  // namespace breliko::highscore
