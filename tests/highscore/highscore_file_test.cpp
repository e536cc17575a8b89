#include "highscore/highscore_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

class HighscoreFileTest : public ::testing::Test {
 protected:
  QString Path() const { return folder_.filePath(QStringLiteral("P1.dat")); }
  HighscoreFile File() const { return HighscoreFile(Path()); }

  QTemporaryDir folder_;
};

TEST_F(HighscoreFileTest, AMissingFileReadsAsAnEmptyListAndIsCreatedEmpty) {
  const HighscoreList list = File().ReadList();
  for (const HighscoreEntry& entry : list) EXPECT_EQ(entry, HighscoreEntry{});
  EXPECT_EQ(File().ReadHighscoreGrenze(), 0);
  EXPECT_TRUE(QFileInfo(Path()).isFile());
  EXPECT_EQ(QFileInfo(Path()).size(), 0);
  // Made for everyone to read and write, as far as the umask lets.
  struct stat status {};
  ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &status), 0);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(status.st_mode & 07777, 0666 & ~mask);
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

// Nor does it leave a file or folder open, nor close one of another's: a game
// of a thousand saves would run out of them.
TEST_F(HighscoreFileTest, ASuccessfulSaveLeavesNoTemporaryFileAndNothingOpen) {
  const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
  const qsizetype before = openFiles();
  ASSERT_TRUE(File().WriteList(HighscoreList{}).ok);
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{QStringLiteral("P1.dat")});
  EXPECT_EQ(openFiles(), before);
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("P1.dat.lock")));
  EXPECT_FALSE(File().WriteList(HighscoreList{}).ok);
  EXPECT_EQ(openFiles(), before) << "a save refused by what stands under the lock's name";
}

// The reading says why on the console, and the failed save to the player.
TEST_F(HighscoreFileTest, ADirectoryNamedLikeTheFileReadsBlankAndFailsToSave) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("P1.dat")));
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(File().ReadHighscoreGrenze(), 0);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "breliko: " + Path().toStdString() + " cannot be read: it is a folder\n");
  for (const HighscoreEntry& entry : File().ReadList()) EXPECT_EQ(entry, HighscoreEntry{});

  const WriteResult result = File().WriteList(ListWithTopScore(100));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.problem, Path() + QStringLiteral(" cannot be changed: it is a folder"));
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
