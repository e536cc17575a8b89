#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace breliko::highscore {

// P1.dat and the files beside it are only ever regular files. A FIFO under
// that name would block an ordinary open until someone writes into it, and a
// device would take or give bytes that are no list, so every open here is one
// that cannot block, and the kind is checked before a byte moves.
class RegularFile {
 public:
  // `flags` as for open(2); a file made here gets the mode 0666 less the umask.
  RegularFile(const QString& path, int flags);
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;
  ~RegularFile();

  bool IsOpen() const { return descriptor_ >= 0; }
  // The file is not there at all, which for most files here is no problem.
  bool Missing() const { return missing_; }
  // Something is there, but no regular file: a folder, a FIFO, a device.
  bool WrongKind() const { return wrongKind_; }
  // Why it is not open, naming the kind of a file that is no regular one.
  const QString& Problem() const { return problem_; }
  // The error of the open, for the few callers that tell them apart.
  int Error() const { return error_; }
  qint64 Length() const { return length_; }

  // What reading or writing could not do, empty when all went well.
  QString Read(qint64 offset, qint64 count, QByteArray& bytes) const;
  QString WriteAtStart(const QByteArray& bytes) const;
  QString CutTo(qint64 length) const;
  QString Sync() const;

 private:
  void TellKind(mode_t mode);

  int descriptor_ = -1;
  bool missing_ = false;
  bool wrongKind_ = false;
  int error_ = 0;
  qint64 length_ = 0;
  QString problem_;
};

// Problems with the file go to stderr as well as to the player: the game
// itself has no log.
void ReportOnConsole(const QString& line);

// A system error as a text for the console.
QString SystemError(int error);

// Whether something of any kind goes by that name: the problem is set when
// even that cannot be told.
bool Exists(const QString& path, QString& problem);

// A link to the list is followed, so that the undo copy, the temporary file
// and the lock sit beside the file it leads to: two folders that share one
// list through links then share its lock and its undo copy as well.
QString ListTarget(const QString& path);

// A new name or a removed one is a change of the folder, lasting only once
// the folder is synced too.
QString SyncFolderOf(const QString& path);

}  // namespace breliko::highscore
