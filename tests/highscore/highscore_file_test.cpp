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

WriteFaults CrashBeforeRename() {
  WriteFaults faults;
  faults.beforeRename = [] { std::_Exit(3); };
  return faults;
}

// What a save has synced to the disk, in order: "sync P1.dat" for the file
// itself, "sync new file" for any other, "sync folder", and the moment of the
// rename; and each file's bytes as they stood when it was synced.
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
  faults.beforeRename = [&log] { log.steps.emplace_back("rename"); };
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

TEST_F(HighscoreFileTest, ACrashBeforeTheRenameLeavesTheOldFileByteForByte) {
  const QByteArray old = FullList() + Record(77, "Twelfth");
  WriteAll(Path(), old);

  // The child process is killed the moment the new list is on disk under its
  // temporary name, as a crash or power cut would.
  const HighscoreFile crashing = File(CrashBeforeRename());
  EXPECT_EXIT(crashing.WriteList(HighscoreList{}), ::testing::ExitedWithCode(3), "");

  EXPECT_EQ(ReadAll(Path()), old);
  // What the crash left behind does not stand in the way of the next save.
  ASSERT_TRUE(File().WriteList(HighscoreList{}).ok);
  EXPECT_EQ(ReadAll(Path()), EmptyRecords(11) + Record(77, "Twelfth"));
}

// A power cut after the rename must find the new bytes on the disk: the
// temporary file is synced whole before it takes the place of the old one,
// and the folder after the rename.
TEST_F(HighscoreFileTest, TheNewBytesAreOnTheDiskBeforeTheRename) {
  WriteAll(Path(), FullList());
  SyncLog log;
  ASSERT_TRUE(File(LoggingSyncs(Path(), log)).WriteList(ListWithTopScore(5)).ok);

  EXPECT_EQ(log.steps, (std::vector<std::string>{"sync new file", "rename", "sync folder"}));
  EXPECT_EQ(log.syncedBytes, std::vector<QByteArray>{ReadAll(Path())})
      << "every byte is written before the sync";
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

TEST_F(HighscoreFileTest, ASuccessfulSaveLeavesNoTemporaryFile) {
  ASSERT_TRUE(File().WriteList(HighscoreList{}).ok);
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{QStringLiteral("P1.dat")});
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

TEST_F(HighscoreFileTest, ADirectoryNamedLikeTheFileReadsBlankAndFailsToSave) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("P1.dat")));
  EXPECT_EQ(File().ReadHighscoreGrenze(), 0);
  for (const HighscoreEntry& entry : File().ReadList()) EXPECT_EQ(entry, HighscoreEntry{});

  const WriteResult result = File().WriteList(ListWithTopScore(100));
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.problem.isEmpty());
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
