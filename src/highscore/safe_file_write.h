#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QLockFile>
#include <QString>

namespace breliko::highscore {

struct WriteResult {
  bool ok = false;
  QString problem;  // what went wrong, for the console; empty when ok
};

// Places where a test can step into a save. A folder that takes no new file
// cannot be made with chmod when the tests run as root, so it is played here;
// `beforeRename` runs once the new content is on disk under its temporary
// name but not yet in place, where a test can end the process the way a
// crash or a power cut would; and `syncToDisk` stands in for fsync(2), so a
// test sees what is synced when, or fails it as a failing disk would.
//
// `lockFileRefused` plays a folder that refuses the list's lock file for the
// reason given, as Qt reports it: a refused permission, or UnknownError for
// no space, a full quota or a file system that cannot take the file, none of
// which a test can bring about without a mount of its own.
struct WriteFaults {
  bool folderRefusesNewFiles = false;
  std::optional<QLockFile::LockError> lockFileRefused;
  std::function<void()> beforeRename;
  std::function<int(int descriptor)> syncToDisk;
};

// Gives the file at `path` the bytes `content` so that a crash at any moment
// leaves either the old or the new content: the bytes go to a temporary file
// in the same folder, are flushed to the disk, and that file is renamed over
// the old one. Where the folder takes no new file but the old file can be
// written, it is overwritten in place, the best such a folder allows; that
// never shortens it, so `content` must cover at least the old file's length.
WriteResult ReplaceFileContent(const QString& path, const QByteArray& content,
                               const WriteFaults& faults = {});

}  // namespace breliko::highscore
