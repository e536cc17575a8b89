#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace breliko::highscore {

// P1.dat and the files beside it are only ever regular files. A FIFO under
// that name would block an ordinary open until someone writes into it, and a
// device would take or give bytes that are no list, so every open here is one
// that cannot block, and the kind is checked before a byte moves. No open
// follows a link: the list's own link is resolved before (ListTarget), and a
// link as a file beside it is another user's trap or a mistake.
class RegularFile {
 public:
  // `flags` as for open(2); a file made here gets the mode 0666 less the umask.
  RegularFile(const QString& path, int flags);
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;
  ~RegularFile();

  bool IsOpen() const { return descriptor_ >= 0; }
  // The file is not there at all, which for most files here is no problem;
  // nor is one whose name is too long for the folder.
  bool Missing() const { return missing_; }
  // Something is there, but no regular file: a folder, a FIFO, a device, a
  // link.
  bool WrongKind() const { return wrongKind_; }
  // Why it is not open, naming the kind of a file that is no regular one.
  const QString& Problem() const { return problem_; }
  // The error of the open, for the few callers that tell them apart.
  int Error() const { return error_; }
  // As the file is now: a write or a cut changes it.
  qint64 Length() const;
  uid_t Owner() const { return owner_; }
  // For a lock held on the open file.
  int Descriptor() const { return descriptor_; }

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
  uid_t owner_ = 0;
  QString problem_;
};

}  // namespace breliko::highscore
