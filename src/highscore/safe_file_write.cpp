#include "highscore/safe_file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "highscore/highscore_list.h"
#include "highscore/regular_file.h"
#include "highscore/undo_copy.h"

namespace breliko::highscore {

namespace {

WriteResult Failed(const QString& path, const QString& problem) {
  return {false, path + QStringLiteral(": ") + problem};
}

WriteResult Done() { return {true, {}}; }

// The temporary name of an undo copy in the making, "P1.dat.undo.XXXXXX".
constexpr int kTemporaryLetters = 6;

QString TemporaryPath(const QString& undoPath) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QString path = undoPath + u'.';
  for (int i = 0; i < kTemporaryLetters; ++i) {
    path += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
  }
  return path;
}

// Left by copies killed before their rename; no other copy is saving now.
void RemoveLeftTemporaries(const QString& undoPath) {
  const QFileInfo undo(undoPath);
  const QString pattern = undo.fileName() + u'.' + QString(kTemporaryLetters, u'?');
  const QDir folder = undo.absoluteDir();
  for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::NoSymLinks)) {
    const QString path = folder.filePath(name);
    if (::unlink(QFile::encodeName(path).constData()) != 0) {
      ReportOnConsole(QStringLiteral("%1 cannot be removed: %2").arg(path, SystemError(errno)));
    }
  }
}

// A folder that takes no new file: no write permission, a read-only mount,
// or no room for one more file.
bool TakesNoNewFile(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == ENOSPC || error == EDQUOT;
}

WriteResult Removed(const QString& path) {
  if (::unlink(QFile::encodeName(path).constData()) != 0) return Failed(path, SystemError(errno));
  if (const QString problem = SyncFolderOf(path); !problem.isEmpty()) {
    return Failed(QFileInfo(path).absolutePath(), problem);
  }
  return Done();
}

// What a failed step leaves behind goes. Should that fail too, the save has
// failed already: the next save removes a temporary file, and an undo copy
// beside the unchanged list only puts back what is there.
void RemoveQuietly(const QString& path) { ::unlink(QFile::encodeName(path).constData()); }

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
  if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(undoPath).constData()) !=
      0) {
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

WriteResult SetAside(const QString& undoPath, const QString& why) {
  const QString aside = undoPath + QStringLiteral(".set-aside");
  if (::rename(QFile::encodeName(undoPath).constData(), QFile::encodeName(aside).constData()) !=
      0) {
    return Failed(
        undoPath,
        QStringLiteral("%1, and it cannot be set aside: %2").arg(why, SystemError(errno)));
  }
  ReportOnConsole(
      QStringLiteral("%1 is not put back but set aside as %2: %3").arg(undoPath, aside, why));
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

bool ListBelongsTo(const UndoCopy& undo, const RegularFile& list) {
  QByteArray start;
  return list.IsOpen() && list.Read(0, kListBytes, start).isEmpty() &&
         BelongsTo(undo, start, list.Length());
}

}  // namespace

std::optional<QByteArray> ReadUndoCopy(const QString& path) {
  const std::optional<UndoCopy> undo = ReadWhole(RegularFile(UndoCopyPath(path), O_RDONLY));
  if (!undo || !ListBelongsTo(*undo, RegularFile(path, O_RDONLY))) return std::nullopt;
  return undo->oldRecords;
}

WriteResult PutBackUndoCopy(const QString& path) {
  const QString list = ListTarget(path);
  const QString undoPath = UndoCopyPath(list);
  const RegularFile undoFile(undoPath, O_RDONLY);
  if (undoFile.Missing()) return Done();
  if (!undoFile.IsOpen() && !undoFile.WrongKind()) return Failed(undoPath, undoFile.Problem());
  const std::optional<UndoCopy> undo = ReadWhole(undoFile);
  if (!undo) {
    return SetAside(
        undoPath, undoFile.WrongKind() ? undoFile.Problem() : QStringLiteral("it is no undo copy"));
  }

  const RegularFile file(list, O_RDWR);
  if (!file.IsOpen() && !file.Missing()) return Failed(list, file.Problem());
  if (!ListBelongsTo(*undo, file)) {
    return SetAside(undoPath, QStringLiteral("the list is not the one its save left"));
  }
  QString problem = file.WriteAtStart(undo->oldRecords);
  // Only a file shorter than 429 bytes grew with the save; it gets its old
  // length back, and no other file is ever cut.
  if (problem.isEmpty() && file.Length() > undo->oldLength) problem = file.CutTo(undo->oldLength);
  if (problem.isEmpty()) problem = file.Sync();
  if (!problem.isEmpty()) return Failed(list, problem);
  return Removed(undoPath);
}

WriteResult SaveList(const QString& path, const QByteArray& records) {
  const QString list = ListTarget(path);
  const QString undoPath = UndoCopyPath(list);
  RemoveLeftTemporaries(undoPath);
  if (WriteResult settled = PutBackUndoCopy(list); !settled.ok) return settled;

  const RegularFile file(list, O_RDWR | O_CREAT);
  if (!file.IsOpen()) return Failed(list, file.Problem());
  UndoCopy undo{file.Length(), {}, records};
  // A file whose records cannot be read is not written over: the save could
  // not be undone.
  if (const QString problem = file.Read(0, kListBytes, undo.oldRecords); !problem.isEmpty()) {
    return Failed(list, problem);
  }

  bool noNewFile = false;
  WriteResult made = MakeUndoCopy(undoPath, undo, noNewFile);
  if (noNewFile) return WriteRecords(file, list, records);
  if (!made.ok) return made;

  if (WriteResult written = WriteRecords(file, list, records); !written.ok) {
    if (const WriteResult putBack = PutBackUndoCopy(list); !putBack.ok) {
      ReportOnConsole(putBack.problem);
    }
    return written;
  }
  return Removed(undoPath);
}

}  // namespace breliko::highscore
