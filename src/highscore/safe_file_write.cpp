#include "highscore/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "highscore/console_report.h"
#include "highscore/folder_sync.h"
#include "highscore/highscore_list.h"
#include "highscore/list_links.h"
#include "highscore/regular_file.h"
#include "highscore/undo_copy.h"

namespace breliko::highscore {

namespace {

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

WriteResult Failed(const QString& path, const QString& problem) {
  return {false, path + QStringLiteral(": ") + problem};
}

WriteResult Done() { return {true, {}}; }

// The temporary name of an undo copy in the making, "P1.dat.undo.new-XXXXXX":
// a name no player gives a file, so that only the game's own are cleaned up.
constexpr int kTemporaryLetters = 6;
const QString kTemporaryMark = QStringLiteral(".new-");

QString TemporaryPath(const QString& undoPath) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QString path = undoPath + kTemporaryMark;
  for (int i = 0; i < kTemporaryLetters; ++i) {
    path += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
  }
  return path;
}

// Left by copies of the player's killed before their rename; no other copy
// is saving now.
void RemoveLeftTemporaries(const QString& undoPath) {
  const QFileInfo undo(undoPath);
  const QString pattern = undo.fileName() + kTemporaryMark + QString(kTemporaryLetters, u'?');
  const QDir folder = undo.absoluteDir();
  for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::NoSymLinks)) {
    const QString path = folder.filePath(name);
    struct stat status {};
    if (::lstat(Native(path).constData(), &status) != 0 || status.st_uid != ::geteuid()) continue;
    if (::unlink(Native(path).constData()) != 0) {
      ReportOnConsole(QStringLiteral("%1 cannot be removed: %2").arg(path, SystemError(errno)));
    }
  }
}

// A folder that takes no new file: no write permission, a read-only mount,
// or no room for one more file.
bool TakesNoNewFile(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == ENOSPC || error == EDQUOT;
}

bool NameTaken(const QString& path) {
  struct stat status {};
  return ::lstat(Native(path).constData(), &status) == 0;
}

// Once the undo copy is gone, the list is the new one: a folder that does
// not sync the removal may bring the undo copy back after a power cut, and
// then the next start puts the old list back, which is whole as well.
WriteResult Removed(const QString& path) {
  if (::unlink(Native(path).constData()) != 0) return Failed(path, SystemError(errno));
  if (const QString problem = SyncFolderOf(path); !problem.isEmpty()) {
    ReportOnConsole(QStringLiteral("%1: the removal of %2 may not last: %3")
                        .arg(QFileInfo(path).absolutePath(), QFileInfo(path).fileName(), problem));
  }
  return Done();
}

// What a failed step leaves behind goes. Should that fail too, the save has
// failed already: the next save removes a temporary file, and an undo copy
// beside the unchanged list only puts back what is there.
void RemoveQuietly(const QString& path) { ::unlink(Native(path).constData()); }

// Whole under a temporary name and synced, only then under its own: what
// stands under the name is always whole. `noNewFile` is set when the folder
// refuses the temporary file.
WriteResult MakeUndoCopy(const QString& undoPath, const UndoCopy& undo, bool& noNewFile) {
  const QString temporary = TemporaryPath(undoPath);
  {
    const RegularFile file(temporary, O_WRONLY | O_CREAT | O_EXCL);
    noNewFile = TakesNoNewFile(file.Error());
    if (!file.IsOpen()) return Failed(temporary, file.Problem());
    QString problem = file.WriteAtStart(UndoCopyBytes(undo));
    if (problem.isEmpty()) problem = file.Sync();
    if (!problem.isEmpty()) {
      RemoveQuietly(temporary);
      return Failed(temporary, problem);
    }
  }
  if (::rename(Native(temporary).constData(), Native(undoPath).constData()) != 0) {
    const QString problem = SystemError(errno);
    RemoveQuietly(temporary);
    return Failed(undoPath, problem);
  }
  if (const QString problem = SyncFolderOf(undoPath); !problem.isEmpty()) {
    RemoveQuietly(undoPath);
    return Failed(QFileInfo(undoPath).absolutePath(), problem);
  }
  return Done();
}

WriteResult WriteRecords(const RegularFile& file, const QString& path, const QByteArray& records) {
  QString problem = file.WriteAtStart(records);
  if (problem.isEmpty()) problem = file.Sync();
  return problem.isEmpty() ? Done() : Failed(path, problem);
}

// Under a name of its own, never over one set aside before. Where it cannot
// be moved (another user's file in a folder that only lets its owner move
// it) it stays and is told; a save then writes in place.
WriteResult SetAside(const QString& undoPath, const QString& why) {
  constexpr int kMostSetAside = 100;
  int error = 0;
  for (int number = 1; number <= kMostSetAside; ++number) {
    QString aside = undoPath + QStringLiteral(".set-aside");
    if (number > 1) aside += u'.' + QString::number(number);
    if (::renameat2(AT_FDCWD, Native(undoPath).constData(), AT_FDCWD, Native(aside).constData(),
                    RENAME_NOREPLACE) == 0) {
      ReportOnConsole(
          QStringLiteral("%1 is not put back but set aside as %2: %3").arg(undoPath, aside, why));
      return Done();
    }
    error = errno;
    if (error != EEXIST) break;
  }
  ReportOnConsole(QStringLiteral("%1 is not put back: %2, and it cannot be set aside: %3")
                      .arg(undoPath, why, SystemError(error)));
  return Done();
}

// The undo copy under the name, if it is one of this game's, whole.
std::optional<UndoCopy> ReadWhole(const RegularFile& undoFile) {
  QByteArray bytes;
  if (!undoFile.IsOpen() || !undoFile.Read(0, UndoCopyMostBytes() + 1, bytes).isEmpty()) {
    return std::nullopt;
  }
  return ParseUndoCopy(bytes);
}

// An undo copy is the player's own, or made by the owner of the list: in a
// folder others may write to, anyone could lay one out.
bool Trusted(const RegularFile& undoFile, const RegularFile& list) {
  return undoFile.Owner() == ::geteuid() || (list.IsOpen() && undoFile.Owner() == list.Owner());
}

bool ListBelongsTo(const UndoCopy& undo, const RegularFile& list) {
  QByteArray start;
  return list.IsOpen() && list.Read(0, kListBytes, start).isEmpty() &&
         BelongsTo(undo, start, list.Length());
}

}  // namespace

std::optional<QByteArray> ReadUndoCopy(const QString& path) {
  const QString list = ListTarget(path);
  const RegularFile undoFile(UndoCopyPath(list), O_RDONLY);
  const RegularFile listFile(list, O_RDONLY);
  if (!undoFile.IsOpen() || !Trusted(undoFile, listFile)) return std::nullopt;
  const std::optional<UndoCopy> undo = ReadWhole(undoFile);
  if (!undo || !ListBelongsTo(*undo, listFile)) return std::nullopt;
  return undo->oldRecords;
}

WriteResult PutBackUndoCopy(const ListLock& lock) {
  const QString undoPath = UndoCopyPath(lock.ListPath());
  const RegularFile& file = lock.List();
  const RegularFile undoFile(undoPath, O_RDONLY);
  if (undoFile.Missing()) return Done();
  if (!undoFile.IsOpen() && !undoFile.WrongKind()) return Failed(undoPath, undoFile.Problem());
  if (undoFile.WrongKind()) return SetAside(undoPath, undoFile.Problem());
  if (!Trusted(undoFile, file)) return SetAside(undoPath, QStringLiteral("it is another user's"));
  const std::optional<UndoCopy> undo = ReadWhole(undoFile);
  if (!undo) return SetAside(undoPath, QStringLiteral("it is no undo copy"));
  if (!ListBelongsTo(*undo, file)) {
    return SetAside(undoPath, QStringLiteral("the list is not the one its save left"));
  }
  QString problem = file.WriteAtStart(undo->oldRecords);
  // Only a file shorter than 429 bytes grew with the save; it gets its old
  // length back, and no other file is ever cut.
  if (problem.isEmpty() && file.Length() > undo->oldLength) problem = file.CutTo(undo->oldLength);
  if (problem.isEmpty()) problem = file.Sync();
  if (!problem.isEmpty()) return Failed(lock.ListPath(), problem);
  return Removed(undoPath);
}

WriteResult SaveList(const ListLock& lock, const NewRecords& newRecords) {
  const QString& list = lock.ListPath();
  const RegularFile& file = lock.List();
  const QString undoPath = UndoCopyPath(list);
  RemoveLeftTemporaries(undoPath);
  if (WriteResult settled = PutBackUndoCopy(lock); !settled.ok) return settled;

  UndoCopy undo{file.Length(), {}, {}};
  if (const QString problem = file.Read(0, kListBytes, undo.oldRecords); !problem.isEmpty()) {
    return Failed(list, problem);
  }
  undo.newRecords = newRecords(undo.oldRecords);

  bool inPlace = NameTaken(undoPath);
  if (!inPlace) {
    if (WriteResult made = MakeUndoCopy(undoPath, undo, inPlace); !made.ok && !inPlace) return made;
  }
  if (inPlace) return WriteRecords(file, list, undo.newRecords);

  if (WriteResult written = WriteRecords(file, list, undo.newRecords); !written.ok) {
    if (const WriteResult putBack = PutBackUndoCopy(lock); !putBack.ok) {
      ReportOnConsole(putBack.problem);
    }
    return written;
  }
  return Removed(undoPath);
}

}  // namespace breliko::highscore
