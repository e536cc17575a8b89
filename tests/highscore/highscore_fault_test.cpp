// What a save leaves when a call of it fails (a full disk, a failing one, a
// folder without permission, a crash at that very call), and what odd files
// beside or instead of P1.dat do to the start and to a save. The failures
// come from a preload library (fault_shim.c) in a real writer process; the
// next start is this process reading the list.

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "child_process.h"
#include "highscore/highscore_changes.h"
#include "record_bytes.h"
#include "writer_entry.h"

namespace breliko::highscore {
namespace {

using breliko::testing::Backdate;
using breliko::testing::EmptyRecords;
using breliko::testing::LaterRecords;
using breliko::testing::NewContent;
using breliko::testing::OldContent;
using breliko::testing::ReadAll;
using breliko::testing::Record;
using breliko::testing::WriteAll;
using breliko::testing::WriterEntry;
using breliko::testing::WriterRecord;

enum class Report { kSaved, kFailed, kKilled };
enum class Before {
  kOldList,
  kNoList,
  kShortList,
  kOldListAndAStrayUndoCopy,
  kOldListAndAStrayUndoCopyThatCannotBeMoved,
  kOldListAndALeftTemporary
};
enum class Holds { kOld, kNew, kEmptied, kNothing, kShortOld };

// A list of two whole records and a part of the third, which a save lengthens.
QByteArray ShortList() { return OldContent().left(100); }

QByteArray Expected(Holds holds) {
  switch (holds) {
    case Holds::kOld:
      return OldContent();
    case Holds::kNew:
      return NewContent();
    case Holds::kEmptied:
      return EmptyRecords(11) + LaterRecords();
    case Holds::kShortOld:
      return ShortList();
    case Holds::kNothing:
      break;
  }
  return {};
}

// P1.dat, or what stands under its name when that is no file: the test
// itself must not block on a FIFO.
QByteArray Holding(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return "(missing)";
  return info.isFile() ? ReadAll(path) : QByteArray("(no file)");
}

class FaultTest : public ::testing::Test {
 protected:
  QString Path() const { return folder_.filePath(QStringLiteral("P1.dat")); }
  QStringList Entries() const {
    return QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
  }

  // The writer's report, its faults given with "FOLDER" for the folder.
  // `what`: empty for an entry, "reset" or "read" (a start).
  Report RunWriter(QByteArray faults, const QByteArray& what = {},
                   const QString& folder = {}) const {
    const QString where = folder.isEmpty() ? folder_.path() : folder;
    faults.replace("FOLDER", QFile::encodeName(where));
    std::vector<QByteArray> arguments{QFile::encodeName(where)};
    if (!what.isEmpty()) arguments.push_back(what);
    const pid_t pid =
        breliko::testing::Spawn(BRELIKO_ENTRY_WRITER, arguments,
                                {"LD_PRELOAD=" BRELIKO_FAULT_SHIM, "BRELIKO_FAULTS=" + faults,
                                 "ASAN_OPTIONS=verify_asan_link_order=0"});
    const int status = breliko::testing::WaitFor(pid);
    if (WIFSIGNALED(status)) return Report::kKilled;
    return breliko::testing::FinishedFine(status) ? Report::kSaved : Report::kFailed;
  }

  QTemporaryDir folder_;
};

struct FaultRow {
  const char* name;
  const char* faults;  // call error pattern skip times
  bool reset;
  Report report;
  Holds holds;  // after the next start
  Before before = Before::kOldList;
  const char* told = "";              // by the save or the next start, right after the folder
  const char* startFaults = nullptr;  // of the next start, then run in a process of its own
};

// Every failure fails the save, and what the next start finds is the old list
// or the new one, whole, never a mix, with nothing left beside it.
TEST_F(FaultTest, EachFailingCallOfASave) {
  const FaultRow rows[] = {
      {"nothing fails", "", false, Report::kSaved, Holds::kNew},
      {"nothing fails, reset", "", true, Report::kSaved, Holds::kEmptied},
      {"the folder takes no new file: in place", "create EACCES */P1.dat* 0 0", false,
       Report::kSaved, Holds::kNew},
      {"the folder takes no new file: in place, reset", "create EACCES */P1.dat* 0 0", true,
       Report::kSaved, Holds::kEmptied},
      {"a full disk takes no new file: in place", "create ENOSPC */P1.dat* 0 0", false,
       Report::kSaved, Holds::kNew},
      {"an immutable folder takes no new file: in place, reset", "create EPERM */P1.dat* 0 0", true,
       Report::kSaved, Holds::kEmptied},
      {"the folder takes no new file and has no list", "create EACCES */P1.dat* 0 0", false,
       Report::kFailed, Holds::kNothing, Before::kNoList},
      {"in place, the records do not sync", "create EACCES */P1.dat* 0 0; fsync EIO */P1.dat 0 0",
       false, Report::kFailed, Holds::kNew},
      {"no temporary file", "open EIO */P1.dat.undo.new-?????? 0 1", false, Report::kFailed,
       Holds::kOld},
      {"no room for the undo copy", "write ENOSPC */P1.dat.undo.new-?????? 0 1", false,
       Report::kFailed, Holds::kOld},
      {"the undo copy does not sync", "fsync EIO */P1.dat.undo.new-?????? 0 1", true,
       Report::kFailed, Holds::kOld},
      {"the undo copy cannot take its name", "rename EIO */P1.dat.undo 0 1", false, Report::kFailed,
       Holds::kOld},
      {"the folder does not sync the undo copy's name", "fsync EIO FOLDER 0 1", false,
       Report::kFailed, Holds::kOld},
      {"the undo copy cannot be looked for", "open EACCES */P1.dat.undo 0 0", false,
       Report::kFailed, Holds::kOld},
      {"a read cannot look for the undo copy, the save can", "stat EIO */P1.dat.undo 0 0", false,
       Report::kSaved, Holds::kNew},
      {"a stray undo copy cannot be set aside: in place",
       "rename EPERM */P1.dat.undo.set-aside* 0 0", false, Report::kSaved, Holds::kNew,
       Before::kOldListAndAStrayUndoCopyThatCannotBeMoved,
       "/P1.dat.undo is not put back: it is no undo copy, and it cannot be set aside: ",
       "rename EPERM */P1.dat.undo.set-aside* 0 0"},
      {"a stray undo copy cannot be read", "open EACCES */P1.dat.undo 0 0", false, Report::kFailed,
       Holds::kOld, Before::kOldListAndAStrayUndoCopy},
      {"the list cannot be checked", "open EIO */P1.dat 0 1", false, Report::kFailed, Holds::kOld},
      {"the list cannot be opened to write", "open EACCES */P1.dat 0 1", false, Report::kFailed,
       Holds::kOld},
      {"the list cannot be looked at once", "fstat EACCES */P1.dat 0 1", false, Report::kFailed,
       Holds::kOld},
      {"a read of the list fails once", "read EIO */P1.dat 0 1", false, Report::kFailed,
       Holds::kOld},
      {"a read of the list fails once, reset", "read ENOSPC */P1.dat 0 1", true, Report::kFailed,
       Holds::kOld},
      {"a short write as the list grows", "write SHORT */P1.dat 0 1", false, Report::kFailed,
       Holds::kShortOld, Before::kShortList},
      {"a short write as a missing list grows", "write SHORT */P1.dat 0 1", true, Report::kFailed,
       Holds::kNothing, Before::kNoList},
      {"a record write fails", "write EIO */P1.dat 0 1", false, Report::kFailed, Holds::kOld,
       Before::kOldList, "/P1.dat: Input/output error"},
      {"a record write fails, and the sync of their put-back",
       "write EIO */P1.dat 0 1; fsync ENOSPC */P1.dat 0 0", false, Report::kFailed, Holds::kOld,
       Before::kOldList, "/P1.dat: No space left on device"},
      {"the disk is full for the records and their put-back", "write ENOSPC */P1.dat 0 0", true,
       Report::kFailed, Holds::kOld},
      {"the records do not sync", "fsync EIO */P1.dat 0 1", false, Report::kFailed, Holds::kOld},
      {"no sync of the list works", "fsync EIO */P1.dat 0 0", true, Report::kFailed, Holds::kOld},
      {"the undo copy cannot be removed", "unlink EACCES */P1.dat.undo 0 1", false, Report::kFailed,
       Holds::kOld},
      {"the folder does not sync the removal", "fsync EIO FOLDER 1 1", false, Report::kSaved,
       Holds::kNew, Before::kOldList, ": the removal of P1.dat.undo may not last"},
      {"killed once the undo copy has its name", "fsync KILL FOLDER 0 1", false, Report::kKilled,
       Holds::kOld},
      {"killed as the records are written", "write KILL */P1.dat 0 1", false, Report::kKilled,
       Holds::kOld},
      {"killed before the undo copy goes", "unlink KILL */P1.dat.undo 0 1", true, Report::kKilled,
       Holds::kOld},
      {"a killed save's temporary file cannot be removed",
       "unlink EACCES */P1.dat.undo.new-?????? 0 1", false, Report::kSaved, Holds::kNew,
       Before::kOldListAndALeftTemporary, "/P1.dat.undo.new-Kx3vQa cannot be removed: "},
      {"the folder cannot be opened to sync", "open EIO FOLDER 0 1", false, Report::kFailed,
       Holds::kOld, Before::kOldList, ": Input/output error"},
      {"the records cannot be read", "read EIO */P1.dat 0 0", false, Report::kFailed, Holds::kOld},
      {"the next start cannot look for the undo copy", "unlink KILL */P1.dat.undo 0 1", false,
       Report::kKilled, Holds::kOld, Before::kOldList, "", "stat EIO */P1.dat.undo 0 0"},
      {"killed before the undo copy goes, no list before", "unlink KILL */P1.dat.undo 0 1", false,
       Report::kKilled, Holds::kNothing, Before::kNoList},
      {"the next start cannot sync the undo copy's removal", "unlink KILL */P1.dat.undo 0 1", false,
       Report::kKilled, Holds::kOld, Before::kOldList,
       ": the removal of P1.dat.undo may not last: Input/output error", "fsync EIO FOLDER 0 0"},
  };
  for (const FaultRow& row : rows) {
    SCOPED_TRACE(row.name);
    QDir(folder_.path()).removeRecursively();
    QDir().mkpath(folder_.path());
    if (row.before != Before::kNoList) {
      WriteAll(Path(), row.before == Before::kShortList ? ShortList() : OldContent());
    }
    const bool unmovable = row.before == Before::kOldListAndAStrayUndoCopyThatCannotBeMoved;
    const bool stray = row.before == Before::kOldListAndAStrayUndoCopy || unmovable;
    if (stray) WriteAll(Path() + QStringLiteral(".undo"), "abcd");
    const bool left = row.before == Before::kOldListAndALeftTemporary;
    if (left) WriteAll(Path() + QStringLiteral(".undo.new-Kx3vQa"), "x");

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RunWriter(row.faults, row.reset ? "reset" : ""), row.report);
    if (row.startFaults) {
      EXPECT_EQ(RunWriter(row.startFaults, "read"), Report::kSaved);
    } else {
      HighscoreFile(Path()).ReadHighscoreGrenze();
    }
    const std::string told = ::testing::internal::GetCapturedStderr();
    if (*row.told) {
      EXPECT_NE(told.find(folder_.path().toStdString() + row.told), std::string::npos) << told;
    }
    EXPECT_EQ(Holding(Path()), Expected(row.holds));
    QStringList entries = Entries();
    EXPECT_EQ(entries.removeAll(QStringLiteral("P1.dat.undo.set-aside")),
              stray && !unmovable ? 1 : 0);
    EXPECT_EQ(entries.removeAll(QStringLiteral("P1.dat.undo")), unmovable ? 1 : 0);
    EXPECT_EQ(entries.removeAll(QStringLiteral("P1.dat.undo.new-Kx3vQa")), left ? 1 : 0);
    EXPECT_EQ(entries, QStringList{QStringLiteral("P1.dat")});
  }
}

// A power cut finds the old records in a whole undo copy, or the new records
// whole in the file: the undo copy and its name are on the disk before the
// first record is written, the records before the undo copy goes, and the
// folder after it went. In place, the records are synced too.
TEST_F(FaultTest, EachStepIsOnTheDiskBeforeTheNext) {
  const QString log = folder_.filePath(QStringLiteral("log"));
  const QByteArray folder = QFileInfo(folder_.path()).fileName().toUtf8();
  const struct {
    const char* faults;
    QByteArrayList steps;
  } rows[] = {
      {"",
       {"write P1.dat.undo.*", "fsync P1.dat.undo.*", "rename P1.dat.undo", "fsync " + folder,
        "write P1.dat", "fsync P1.dat", "unlink P1.dat.undo", "fsync " + folder}},
      {"create EACCES */P1.dat.undo.* 0 0", {"write P1.dat", "fsync P1.dat"}},
  };
  for (const auto& row : rows) {
    WriteAll(Path(), OldContent());
    QFile::remove(log);
    qputenv("BRELIKO_FAULT_LOG", QFile::encodeName(log));
    EXPECT_EQ(RunWriter(row.faults), Report::kSaved);
    qunsetenv("BRELIKO_FAULT_LOG");
    QByteArrayList steps = ReadAll(log).split('\n');
    steps.removeIf([](const QByteArray& step) { return step.isEmpty() || step.endsWith(".lock"); });
    ASSERT_EQ(steps.size(), row.steps.size()) << ReadAll(log).toStdString();
    for (qsizetype i = 0; i < steps.size(); ++i) {
      const QByteArray& want = row.steps[i];
      EXPECT_TRUE(want.endsWith('*') ? steps[i].startsWith(want.chopped(1)) : steps[i] == want)
          << steps[i].toStdString() << " where " << want.toStdString() << " belongs";
    }
  }
}

// A crash before the undo copy goes, the records torn, part old, part new: the
// next read puts the old records back, byte for byte, and cuts a file the save
// lengthened back to its old length. While another copy of the game holds the
// lock (it may be saving), the read leaves the file alone but still shows the
// old list, and so does a read that cannot write the list back: the undo copy
// stays for the next one. A save before any read writes its own list whole.
TEST_F(FaultTest, AfterACrashTheNextReadPutsTheOldRecordsBack) {
  const QByteArray olds[] = {OldContent(), Record(700, "Anna") + Record(500, "Berta").left(19)};
  for (const QByteArray& old : olds) {
    SCOPED_TRACE(old.size());
    WriteAll(Path(), old);
    ASSERT_EQ(RunWriter("unlink KILL */P1.dat.undo 0 1"), Report::kKilled);
    QByteArray torn = ReadAll(Path());
    torn.replace(0, 20, old.left(20));
    WriteAll(Path(), torn);

    QLockFile otherCopy(Path() + QStringLiteral(".lock"));
    ASSERT_TRUE(otherCopy.tryLock());
    // The place the save changed: 500 before it, the writer's 555 after.
    EXPECT_EQ(HighscoreFile(Path()).ReadList()[old.size() > 429 ? 5 : 1].Wert, 500);
    EXPECT_EQ(ReadAll(Path()), torn);
    otherCopy.unlock();
    for (const char* faults : {"open EACCES */P1.dat 1 1", "write EIO */P1.dat 0 1"}) {
      EXPECT_EQ(RunWriter(faults, "read"), Report::kSaved);
    }

    HighscoreFile(Path()).ReadHighscoreGrenze();
    EXPECT_EQ(ReadAll(Path()), old);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("P1.dat")});
  }
  ASSERT_EQ(RunWriter("unlink KILL */P1.dat.undo 0 1"), Report::kKilled);
  ASSERT_TRUE(AddEntry(HighscoreFile(Path()), WriterEntry()).saved.ok);
  EXPECT_EQ(ReadAll(Path()),
            Record(700, "Anna") + WriterRecord() + Record(500, "Berta") + EmptyRecords(8));
  EXPECT_EQ(Entries(), QStringList{QStringLiteral("P1.dat")});
}

// Two folders share one list through a link: the undo copy of a save cut
// short through the link stands beside the list itself, so a start in the
// other folder puts it back, and neither folder keeps one of its own.
TEST_F(FaultTest, FoldersSharingAListThroughLinksShareItsUndoCopy) {
  const QString shared = folder_.filePath(QStringLiteral("shared"));
  const QString other = folder_.filePath(QStringLiteral("other"));
  QDir().mkpath(shared);
  QDir().mkpath(other);
  WriteAll(shared + QStringLiteral("/P1.dat"), OldContent());
  ASSERT_TRUE(QFile::link(shared + QStringLiteral("/P1.dat"), other + QStringLiteral("/P1.dat")));

  ASSERT_EQ(RunWriter("unlink KILL */P1.dat.undo 0 1", {}, other), Report::kKilled);
  EXPECT_EQ(QDir(other).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
            QStringList{QStringLiteral("P1.dat")});
  EXPECT_EQ(HighscoreFile(shared + QStringLiteral("/P1.dat")).ReadHighscoreGrenze(), 100);
  EXPECT_EQ(ReadAll(shared + QStringLiteral("/P1.dat")), OldContent());
  EXPECT_EQ(QDir(shared).entryList(QDir::Files), QStringList{QStringLiteral("P1.dat")});
}

struct OddRow {
  const char* name;
  std::function<void(const QString& path)> layOut;  // P1.dat holds the old list before
  int shownAtStart;                                 // the top score the list shows
  bool saved;
  QByteArray holdsAfterSave;
  QStringList entries;  // of the folder after the save
  const char* told;     // on the console or in the save's report, after the folder
  bool asRoot = false;  // lays out another user's files or a device: only root can
};

// An undo copy laid out byte for byte as a save of the new list writes one:
// its mark, the old length little-endian, the old records, the new ones, and
// SHA-256 of all that.
QByteArray UndoCopyLaidOut(const QByteArray& mark, qint64 oldLength, const QByteArray& oldRecords,
                           const QByteArray& newRecords = NewContent().left(429)) {
  QByteArray bytes = mark + QByteArray(8, '\0');
  qToLittleEndian<qint64>(oldLength, bytes.data() + 8);
  bytes += oldRecords + newRecords;
  return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Lays out a file as another user would, in a folder everyone may write to,
// as /tmp is.
void AsAnotherUser(const QString& folder, const std::function<bool()>& layOut) {
  ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 01777), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(1);
    std::_Exit(layOut() ? 0 : 1);
  }
  EXPECT_TRUE(breliko::testing::FinishedFine(breliko::testing::WaitFor(child)));
}

bool Symlink(const QString& target, const QString& link) {
  return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

void MakeSocket(const QString& path) {
  QFile::remove(path);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  ::close(socket);
}

void Make(const QString& path, bool fifo) {
  const QByteArray name = QFile::encodeName(path);
  QFile::remove(path);
  if (fifo) {
    ::mkfifo(name.constData(), 0644);
  } else {
    ::mkdir(name.constData(), 0755);
  }
}

// Whatever lies beside or instead of P1.dat, the start neither blocks nor
// changes the list, and only the game's own saves change it.
TEST_F(FaultTest, OddFilesBesideOrInsteadOfTheList) {
  // As long as the list, and only its very first byte tells it from the old
  // one and the new one.
  const QByteArray backup = Record(900, "Player 1", "01.02.24 10:00:00") + OldContent().sliced(39);
  const QStringList alone{QStringLiteral("P1.dat")};
  const QStringList setAside{QStringLiteral("P1.dat"), QStringLiteral("P1.dat.undo.set-aside")};
  const QString undo = QStringLiteral(".undo");
  const QByteArray whole = UndoCopyLaidOut("BRLKUNDO", OldContent().size(), OldContent().left(429));
  // The list after a killed save that got its records written, and a second
  // save of the same entry.
  const QByteArray savedTwice = NewContent().left(6 * 39) + WriterRecord() +
                                NewContent().sliced(6 * 39, 4 * 39) + LaterRecords();
  const OddRow rows[] = {
      {"a FIFO as P1.dat", [](const QString& p) { Make(p, true); }, 0, false, "(no file)", alone,
       "P1.dat cannot be read: it is a FIFO"},
      {"a socket as P1.dat", MakeSocket, 0, false, "(no file)", alone,
       "P1.dat cannot be changed: it is a socket"},
      {"P1.dat a link to a device",
       [](const QString& p) {
         QFile::remove(p);
         const QString device = QFileInfo(p).dir().filePath(QStringLiteral("null"));
         EXPECT_EQ(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)),
                   0);
         EXPECT_TRUE(Symlink(QStringLiteral("null"), p));
       },
       0,
       false,
       "(no file)",
       {QStringLiteral("null"), QStringLiteral("P1.dat")},
       "P1.dat cannot be read: it is a device",
       true},
      {"P1.dat a link leading nowhere",
       [](const QString& p) {
         QFile::remove(p);
         EXPECT_TRUE(Symlink(QStringLiteral("planted"), p));
       },
       0, false, "(missing)", alone, "P1.dat cannot be read: it is a link that is not followed"},
      {"P1.dat another user's link to a file of the player's",
       [](const QString& p) {
         QFile::remove(p);
         WriteAll(QFileInfo(p).dir().filePath(QStringLiteral("mine")), "mine");
         AsAnotherUser(QFileInfo(p).path(), [&] { return Symlink(QStringLiteral("mine"), p); });
       },
       0,
       false,
       "mine",
       {QStringLiteral("mine"), QStringLiteral("P1.dat")},
       "P1.dat cannot be read: it is a link that is not followed",
       true},
      {"P1.dat a link of the folder's owner, another user",
       [](const QString& p) {
         const QString folder = QFileInfo(p).path();
         QFile::rename(p, folder + QStringLiteral("/list"));
         EXPECT_EQ(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
         AsAnotherUser(folder, [&] { return Symlink(QStringLiteral("list"), p); });
       },
       1000,
       true,
       NewContent(),
       {QStringLiteral("list"), QStringLiteral("P1.dat")},
       "",
       true},
      {"another user's whole undo copy of a stranger's list",
       [&](const QString& p) {
         const QByteArray forged = UndoCopyLaidOut(
             "BRLKUNDO", OldContent().size(), Record(900, "Forged") + OldContent().mid(39, 390),
             OldContent().left(429));
         AsAnotherUser(QFileInfo(p).path(), [&] {
           WriteAll(p + undo, forged);
           return QFileInfo::exists(p + undo);
         });
       },
       1000, true, NewContent(), setAside, "P1.dat.undo.set-aside: it is another user's", true},
      {"an undo copy set aside before stays",
       [&](const QString& p) {
         WriteAll(p + undo + QStringLiteral(".set-aside"), "first");
         WriteAll(p + undo, "abcd");
       },
       1000,
       true,
       NewContent(),
       {QStringLiteral("P1.dat"), QStringLiteral("P1.dat.undo.set-aside"),
        QStringLiteral("P1.dat.undo.set-aside.2")},
       "P1.dat.undo.set-aside.2: it is no undo copy"},
      {"a file of the player's named like a killed save's temporary file",
       [](const QString& p) { WriteAll(p + QStringLiteral(".undo.backup"), "mine"); },
       1000,
       true,
       NewContent(),
       {QStringLiteral("P1.dat"), QStringLiteral("P1.dat.undo.backup")},
       ""},
      {"a FIFO as the undo copy", [&](const QString& p) { Make(p + undo, true); }, 1000, true,
       NewContent(), setAside, "P1.dat.undo.set-aside: it is a FIFO"},
      {"a folder as the undo copy", [&](const QString& p) { Make(p + undo, false); }, 1000, true,
       NewContent(), setAside, "P1.dat.undo.set-aside: it is a folder"},
      {"a socket as the undo copy", [&](const QString& p) { MakeSocket(p + undo); }, 1000, true,
       NewContent(), setAside, "P1.dat.undo.set-aside: it is a socket"},
      {"a short undo copy", [&](const QString& p) { WriteAll(p + undo, "abcd"); }, 1000, true,
       NewContent(), setAside, "P1.dat.undo.set-aside: it is no undo copy"},
      {"noise as the undo copy",
       [&](const QString& p) { WriteAll(p + undo, QByteArray(429, '\x5a')); }, 1000, true,
       NewContent(), setAside, "P1.dat.undo.set-aside: it is no undo copy"},
      {"an undo copy left before the list came back from a backup",
       [&](const QString& p) {
         RunWriter("unlink KILL */P1.dat.undo 0 1");
         WriteAll(p, backup);
       },
       900, true, backup.left(39) + NewContent().sliced(39), setAside,
       "P1.dat.undo.set-aside: the list is not the one its save left"},
      {"an undo copy left before records were added after the eleventh",
       [&](const QString& p) {
         RunWriter("unlink KILL */P1.dat.undo 0 1");
         WriteAll(p, ReadAll(p) + Record(7, "Added"));
       },
       1000, true, savedTwice + Record(7, "Added"), setAside,
       "P1.dat.undo.set-aside: the list is not the one its save left"},
      {"an undo copy with one byte changed on the disk",
       [&](const QString& p) {
         RunWriter("unlink KILL */P1.dat.undo 0 1");
         QByteArray bytes = ReadAll(p + undo);
         bytes[16] = char(bytes[16] ^ 1);
         WriteAll(p + undo, bytes);
       },
       1000, true, savedTwice, setAside, "P1.dat.undo.set-aside: it is no undo copy"},
      {"an undo copy under another mark",
       [&](const QString& p) {
         WriteAll(p, NewContent());
         WriteAll(p + undo,
                  UndoCopyLaidOut("BRLKUND0", OldContent().size(), OldContent().left(429)));
       },
       1000, true, savedTwice, setAside, "P1.dat.undo.set-aside: it is no undo copy"},
      {"an undo copy with fewer old records than its old length",
       [&](const QString& p) {
         WriteAll(p, NewContent());
         WriteAll(p + undo,
                  UndoCopyLaidOut("BRLKUNDO", OldContent().size(), Record(900, "Forged")));
       },
       1000, true, savedTwice, setAside, "P1.dat.undo.set-aside: it is no undo copy"},
      {"a temporary file of a killed save",
       [](const QString& p) { WriteAll(p + QStringLiteral(".undo.new-Kx3vQa"), "x"); }, 1000, true,
       NewContent(), alone, ""},
      {"a whole undo copy of a save cut short before its first record",
       [&](const QString& p) { WriteAll(p + undo, whole); }, 1000, true, NewContent(), alone, ""},
      {"a whole undo copy and a byte more",
       [&](const QString& p) { WriteAll(p + undo, whole + "x"); }, 1000, true, NewContent(),
       setAside, "P1.dat.undo.set-aside: it is no undo copy"},
      // Older than a copy takes to write its number into it, younger than
      // the age at which Qt would take it over.
      {"an empty lock left by a killed copy",
       [](const QString& p) { Backdate(p + QStringLiteral(".lock"), 2); }, 1000, true, NewContent(),
       alone, ""},
      {"a FIFO as the lock, beside an undo copy",
       [&](const QString& p) {
         Make(p + QStringLiteral(".lock"), true);
         WriteAll(p + undo, whole);
       },
       1000,
       false,
       OldContent(),
       {QStringLiteral("P1.dat"), QStringLiteral("P1.dat.lock"), QStringLiteral("P1.dat.undo")},
       "P1.dat.lock cannot be the list's lock: it is a FIFO"},
      {"a link leading nowhere as the lock",
       [](const QString& p) {
         EXPECT_TRUE(Symlink(QStringLiteral("nowhere"), p + QStringLiteral(".lock")));
       },
       1000,
       false,
       OldContent(),
       {QStringLiteral("P1.dat"), QStringLiteral("P1.dat.lock")},
       "P1.dat.lock cannot be the list's lock: it is a link that is not followed"},
      {"a read-only lock left by a copy that is gone",
       [](const QString& p) {
         const QString lock = p + QStringLiteral(".lock");
         WriteAll(lock, "999999999\nbreliko\nelsewhere\n");
         QFile::setPermissions(lock, QFileDevice::ReadOwner);
       },
       1000, true, NewContent(), alone, ""},
      // Qt's helper lock is for copies before this one; this one never opens it.
      {"a FIFO as Qt's helper lock beside a dead copy's lock and an undo copy",
       [&](const QString& p) {
         Make(p + QStringLiteral(".lock.rmlock"), true);
         WriteAll(p + QStringLiteral(".lock"), "999999999\nbreliko\nelsewhere\n");
         WriteAll(p + undo, whole);
       },
       1000,
       true,
       NewContent(),
       {QStringLiteral("P1.dat"), QStringLiteral("P1.dat.lock.rmlock")},
       ""},
      {"a folder as the lock",
       [](const QString& p) { Make(p + QStringLiteral(".lock"), false); },
       1000,
       false,
       OldContent(),
       {QStringLiteral("P1.dat"), QStringLiteral("P1.dat.lock")},
       "P1.dat.lock cannot be the list's lock: it is a folder"},
  };
  for (const OddRow& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.asRoot && ::geteuid() != 0) continue;
    QDir(folder_.path()).removeRecursively();
    QDir().mkpath(folder_.path());
    WriteAll(Path(), OldContent());
    row.layOut(Path());
    const QByteArray before = Holding(Path());

    // A lock that is taken over or refused is so at once: with an hour's
    // wait for it, the save would hang.
    const HighscoreFile file(Path(), std::chrono::hours(1));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(file.ReadList()[0].Wert, row.shownAtStart);
    EXPECT_EQ(Holding(Path()), before);
    const EntryOutcome outcome = AddEntry(file, WriterEntry());
    const std::string told =
        ::testing::internal::GetCapturedStderr() + outcome.saved.problem.toStdString();
    EXPECT_EQ(outcome.saved.ok, row.saved);
    if (*row.told == '\0') {
      EXPECT_EQ(told, "");
    } else {
      EXPECT_NE(told.find(folder_.path().toStdString() + '/' + row.told), std::string::npos)
          << told;
    }
    EXPECT_EQ(Holding(Path()), row.holdsAfterSave);
    EXPECT_EQ(Entries(), row.entries);
  }
}

}  // namespace
}  // namespace breliko::highscore
