#include "highscore/highscore_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include "record_bytes.h"

namespace breliko::highscore {
namespace {

using breliko::testing::EmptyRecords;
using breliko::testing::FullList;
using breliko::testing::ReadAll;
using breliko::testing::Record;
using breliko::testing::WriteAll;

HighscoreList ListWithTopScore(int wert) {
  HighscoreList list;
  list[0] = {qint16(wert), QStringLiteral("Neu"), QStringLiteral("05.03.24 14:02:07")};
  return list;
}

WriteFaults FolderRefusingNewFiles() {
  WriteFaults faults;
  faults.folderRefusesNewFiles = true;
  return faults;
}

// The process dies with the new records synced and the undo copy still
// there, having first spoilt the records as a write torn by the crash would.
WriteFaults CrashBeforeTheUndoCopyGoes(const QString& path) {
  WriteFaults faults;
  faults.beforeUndoCopyRemoved = [path] {
    QFile file(path);
    if (file.open(QIODevice::ReadWrite)) file.write(QByteArray(100, 'X'));
    file.close();
    std::_Exit(3);
  };
  return faults;
}

// What a save has synced to the disk, in order: "sync P1.dat" for the file
// itself, "sync new file" for any other, "sync folder", and the moment before
// the undo copy is removed; and each file's bytes as they stood when synced.
struct SyncLog {
  std::vector<std::string> steps;
  std::vector<QByteArray> syncedBytes;
};

QByteArray BytesBehind(int descriptor, const struct stat& status) {
  QByteArray bytes(qsizetype(status.st_size), '\0');
  const ssize_t read = ::pread(descriptor, bytes.data(), bytes.size(), 0);
  bytes.resize(read < 0 ? 0 : qsizetype(read));
  return bytes;
}

WriteFaults LoggingSyncs(const QString& path, SyncLog& log) {
  WriteFaults faults;
  faults.syncToDisk = [path, &log](int descriptor) {
    struct stat synced {};
    struct stat list {};
    ::fstat(descriptor, &synced);
    if (S_ISDIR(synced.st_mode)) {
      log.steps.emplace_back("sync folder");
    } else {
      const bool isList = ::stat(QFile::encodeName(path).constData(), &list) == 0 &&
                          list.st_ino == synced.st_ino && list.st_dev == synced.st_dev;
      log.steps.emplace_back(isList ? "sync P1.dat" : "sync new file");
      log.syncedBytes.push_back(BytesBehind(descriptor, synced));
    }
    return ::fsync(descriptor);
  };
  faults.beforeUndoCopyRemoved = [&log] { log.steps.emplace_back("remove undo copy"); };
  return faults;
}

WriteFaults FailingSyncs() {
  WriteFaults faults;
  faults.syncToDisk = [](int) {
    errno = EIO;
    return -1;
  };
  return faults;
}

class HighscoreFileTest : public ::testing::Test {
 protected:
  QString Path() const { return folder_.filePath(QStringLiteral("P1.dat")); }
  HighscoreFile File(WriteFaults faults = {}) const { return HighscoreFile(Path(), faults); }

  QTemporaryDir folder_;
};

TEST_F(HighscoreFileTest, AMissingFileReadsAsAnEmptyListAndIsCreatedEmpty) {
  const HighscoreList list = File().ReadList();
  for (const HighscoreEntry& entry : list) EXPECT_EQ(entry, HighscoreEntry{});
  EXPECT_EQ(File().ReadHighscoreGrenze(), 0);
  EXPECT_TRUE(QFileInfo(Path()).isFile());
  EXPECT_EQ(QFileInfo(Path()).size(), 0);
}

TEST_F(HighscoreFileTest, TheThresholdIsTheTenthPlace) {
  WriteAll(Path(), FullList());
  EXPECT_EQ(File().ReadHighscoreGrenze(), 100);
}

TEST_F(HighscoreFileTest, AFileOfOneAndAHalfRecordsReadsWhatIsThere) {
  const QByteArray second = Record(0x0203, "Berta", "02.02.24");
  WriteAll(Path(), Record(700, "Anna", "01.01.24") + second.left(19));

  const HighscoreList list = File().ReadList();
  EXPECT_EQ(list[0].Wert, 700);
  EXPECT_EQ(list[1].Wert, 0x0203);
  EXPECT_EQ(list[1].Person, QStringLiteral("Berta               "));
  EXPECT_EQ(list[1].Datum, QString(17, u' '));
  for (int i = 2; i < kListLength; ++i) EXPECT_EQ(list[i], HighscoreEntry{}) << i;
}

TEST_F(HighscoreFileTest, WritingAShortFileGivesAllElevenRecords) {
  WriteAll(Path(), Record(700, "Anna") + Record(600, "Berta").left(19));
  ASSERT_TRUE(File().WriteList(HighscoreList{}).ok);
  EXPECT_EQ(ReadAll(Path()), EmptyRecords(11));
}

TEST_F(HighscoreFileTest, AnEmptiedListIsElevenBlankRecordsOf429Bytes) {
  WriteAll(Path(), FullList());
  ASSERT_TRUE(File().WriteList(HighscoreList{}).ok);
  const QByteArray bytes = ReadAll(Path());
  ASSERT_EQ(bytes.size(), 429);
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(bytes.mid(39 * i, 39), QByteArray(2, '\0') + QByteArray(37, ' ')) << i;
  }
}

TEST_F(HighscoreFileTest, AMissingFileIsWrittenWhole) {
  ASSERT_TRUE(File().WriteList(ListWithTopScore(100)).ok);
  EXPECT_EQ(ReadAll(Path()), Record(100, "Neu", "05.03.24 14:02:07") + EmptyRecords(10));
}

TEST_F(HighscoreFileTest, RecordsFromTwelveOnStayAsTheyAre) {
  const QByteArray later = Record(4242, "Twelfth") + Record(-1, "Thirteenth").left(30);
  WriteAll(Path(), FullList() + later);

  ASSERT_TRUE(File().WriteList(ListWithTopScore(2000)).ok);
  const QByteArray bytes = ReadAll(Path());
  EXPECT_EQ(bytes.size(), 429 + later.size());
  EXPECT_EQ(bytes.mid(429), later);
  EXPECT_EQ(bytes.left(39), Record(2000, "Neu", "05.03.24 14:02:07"));
}

// A crash in the middle of a save leaves an undo copy beside spoilt records
// (twice here); the next read puts the old records back, byte for byte, and cuts a file the
// save lengthened back to its old length. While another copy of the game
// holds the lock (it may be saving), the read leaves the file alone but still
// shows the old list.
TEST_F(HighscoreFileTest, AfterACrashTheNextReadPutsTheOldRecordsBack) {
  struct Old {
    QByteArray bytes;
    int firstScore;
  };
  const Old olds[] = {{FullList() + Record(77, "Twelfth"), 1000},
                      {Record(700, "Anna") + Record(600, "Berta").left(19), 700}};
  for (const Old& old : olds) {
    SCOPED_TRACE(old.bytes.size());
    WriteAll(Path(), old.bytes);
    // The second save, before any read, must keep the first one's undo copy.
    const HighscoreFile crashing = File(CrashBeforeTheUndoCopyGoes(Path()));
    EXPECT_EXIT(crashing.WriteList(ListWithTopScore(5)), ::testing::ExitedWithCode(3), "");
    EXPECT_EXIT(crashing.WriteList(ListWithTopScore(6)), ::testing::ExitedWithCode(3), "");
    const QByteArray spoilt = ReadAll(Path());
    ASSERT_EQ(spoilt.left(100), QByteArray(100, 'X'));

    QLockFile otherCopy(Path() + QStringLiteral(".lock"));
    ASSERT_TRUE(otherCopy.tryLock());
    EXPECT_EQ(File().ReadList()[0].Wert, old.firstScore);
    EXPECT_EQ(ReadAll(Path()), spoilt);
    otherCopy.unlock();

    EXPECT_EQ(File().ReadRecord(1).Wert, old.firstScore);
    EXPECT_EQ(ReadAll(Path()), old.bytes);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{QStringLiteral("P1.dat")});
  }
  ASSERT_TRUE(File().WriteList(HighscoreList{}).ok);
  EXPECT_EQ(ReadAll(Path()), EmptyRecords(11));
}

// A new entry of this copy after a crash, before any read put the old
// records back: the new records go in whole, the old undo copy goes.
TEST_F(HighscoreFileTest, ASaveOverAnUndoCopyLeftByACrashWritesTheNewList) {
  for (const bool inPlace : {false, true}) {
    WriteAll(Path(), FullList() + Record(77, "Twelfth"));
    WriteAll(Path() + QStringLiteral(".undo"), Record(1, "Undone"));
    WriteFaults faults;
    faults.folderRefusesNewFiles = inPlace;
    ASSERT_TRUE(File(faults).WriteList(ListWithTopScore(5)).ok);
    EXPECT_EQ(ReadAll(Path()),
              Record(5, "Neu", "05.03.24 14:02:07") + EmptyRecords(10) + Record(77, "Twelfth"));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{QStringLiteral("P1.dat")});
  }
}

// A save writes records 1 to 11 and nothing else, whatever follows them: on
// a sparse file of 512 MiB the length, the mode, the last record and the
// holes stay (no more than one block of the disk is taken), and so do the
// bytes right after record 11.
TEST_F(HighscoreFileTest, ASaveOnALargeSparseFileChangesOnlyTheElevenRecords) {
  constexpr qint64 kSize = qint64(512) << 20;
  const QByteArray last = Record(4242, "Last");
  {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(::ftruncate(file.handle(), kSize), 0);
    file.write(FullList() + Record(12, "Twelfth"));
    file.seek(kSize - last.size());
    file.write(last);
  }
  ASSERT_EQ(::chmod(QFile::encodeName(Path()).constData(), 0640), 0);
  struct stat before {};
  ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &before), 0);

  ASSERT_TRUE(File().WriteList(ListWithTopScore(5)).ok);

  struct stat after {};
  ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &after), 0);
  EXPECT_EQ(after.st_size, kSize);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_LE(after.st_blocks, before.st_blocks + 8) << "512-byte blocks";
  QFile file(Path());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(8192), Record(5, "Neu", "05.03.24 14:02:07") + EmptyRecords(10) +
                                 Record(12, "Twelfth") + QByteArray(8192 - 468, '\0'));
  file.seek(kSize - last.size());
  EXPECT_EQ(file.readAll(), last);
}

// A power cut finds the old records in a whole undo copy, or the new records
// whole in the file: the undo copy and its name are synced before the first
// record is written, the records before the undo copy goes, and the folder
// after it went.
TEST_F(HighscoreFileTest, TheUndoCopyIsOnTheDiskBeforeTheRecordsAreWritten) {
  WriteAll(Path(), FullList() + Record(77, "Twelfth"));
  SyncLog log;
  ASSERT_TRUE(File(LoggingSyncs(Path(), log)).WriteList(ListWithTopScore(5)).ok);

  EXPECT_EQ(log.steps, (std::vector<std::string>{"sync new file", "sync folder", "sync P1.dat",
                                                 "remove undo copy", "sync folder"}));
  EXPECT_EQ(log.syncedBytes, (std::vector<QByteArray>{FullList(), ReadAll(Path())}))
      << "every byte is written before its sync";
}

TEST_F(HighscoreFileTest, InPlaceTheBytesAreSyncedToo) {
  WriteAll(Path(), FullList());
  SyncLog log;
  WriteFaults faults = LoggingSyncs(Path(), log);
  faults.folderRefusesNewFiles = true;
  ASSERT_TRUE(File(faults).WriteList(ListWithTopScore(5)).ok);
  EXPECT_EQ(log.steps, std::vector<std::string>{"sync P1.dat"});
  EXPECT_EQ(log.syncedBytes, std::vector<QByteArray>{ReadAll(Path())});
}

// A disk that takes the undo copy but fails on the records: the save fails
// and the old records are written back at once.
TEST_F(HighscoreFileTest, ASyncOfTheRecordsThatFailsPutsTheOldOnesBack) {
  const QByteArray old = FullList() + Record(77, "Twelfth");
  WriteAll(Path(), old);
  WriteFaults faults;
  int syncs = 0;
  faults.syncToDisk = [&syncs](int descriptor) {
    errno = EIO;
    return ++syncs < 3 ? ::fsync(descriptor) : -1;
  };
  EXPECT_FALSE(File(faults).WriteList(HighscoreList{}).ok);
  EXPECT_EQ(ReadAll(Path()), old);
  EXPECT_EQ(File().ReadList()[0].Wert, 1000);
}

TEST_F(HighscoreFileTest, ASyncThatFailsKeepsTheOldFileAndFailsTheSave) {
  const QByteArray old = FullList() + Record(77, "Twelfth");
  WriteAll(Path(), old);
  const WriteResult result = File(FailingSyncs()).WriteList(HighscoreList{});
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.problem.isEmpty());
  EXPECT_EQ(ReadAll(Path()), old);
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{QStringLiteral("P1.dat")});

  WriteFaults inPlace = FailingSyncs();
  inPlace.folderRefusesNewFiles = true;
  EXPECT_FALSE(File(inPlace).WriteList(HighscoreList{}).ok);
}

// Nor does it leave a file or folder open: a game of a thousand saves would
// run out of them.
TEST_F(HighscoreFileTest, ASuccessfulSaveLeavesNoTemporaryFileAndNothingOpen) {
  const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
  const qsizetype before = openFiles();
  ASSERT_TRUE(File().WriteList(HighscoreList{}).ok);
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{QStringLiteral("P1.dat")});
  EXPECT_EQ(openFiles(), before);
}

TEST_F(HighscoreFileTest, AFolderThatTakesNoNewFileIsWrittenInPlace) {
  const QByteArray later = Record(4242, "Twelfth");
  WriteAll(Path(), FullList() + later);

  const WriteResult result = File(FolderRefusingNewFiles()).WriteList(ListWithTopScore(5));
  EXPECT_TRUE(result.ok) << result.problem.toStdString();
  EXPECT_EQ(ReadAll(Path()), Record(5, "Neu", "05.03.24 14:02:07") + EmptyRecords(10) + later);
}

TEST_F(HighscoreFileTest, AFolderThatTakesNoNewFileAndNoFileFailsToSave) {
  const WriteResult result = File(FolderRefusingNewFiles()).WriteList(HighscoreList{});
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.problem.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Path()));
}

// The reading says why on the console, and the failed save to the player.
TEST_F(HighscoreFileTest, ADirectoryNamedLikeTheFileReadsBlankAndFailsToSave) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("P1.dat")));
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(File().ReadHighscoreGrenze(), 0);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "breliko: " + Path().toStdString() + " cannot be read: file to open is a directory\n");
  for (const HighscoreEntry& entry : File().ReadList()) EXPECT_EQ(entry, HighscoreEntry{});

  const WriteResult result = File().WriteList(ListWithTopScore(100));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.problem, QStringLiteral("file to open is a directory"));
  EXPECT_TRUE(QFileInfo(Path()).isDir());
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{});
}

// /proc takes no new file even from root, so this is a read-only folder that
// holds however the tests are run.
TEST(HighscoreFileInAReadOnlyFolderTest, ReadsBlankAndFailsToSave) {
  if (!QFileInfo(QStringLiteral("/proc")).isDir()) GTEST_SKIP() << "no /proc here";
  const HighscoreFile file(QStringLiteral("/proc/P1.dat"));
  EXPECT_EQ(file.ReadHighscoreGrenze(), 0);
  const WriteResult result = file.WriteList(ListWithTopScore(100));
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/P1.dat")));
}

}  // namespace
}  // namespace breliko::highscore
