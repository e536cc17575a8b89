#include "highscore/highscore_changes.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>
#include <string>

#include "record_bytes.h"

namespace breliko::highscore {
namespace {

using breliko::testing::EmptyRecords;
using breliko::testing::FullList;
using breliko::testing::ReadAll;
using breliko::testing::Record;
using breliko::testing::WriteAll;

constexpr const char* kDatum = "05.03.24 14:02:07";

class HighscoreChangesTest : public ::testing::Test {
 protected:
  QString Path() const { return folder_.filePath(QStringLiteral("P1.dat")); }
  HighscoreFile File() const { return HighscoreFile(Path()); }

  QTemporaryDir folder_;
};

TEST_F(HighscoreChangesTest, AnEntryTakesItsPlaceDropsTheEleventhAndKeepsLaterRecords) {
  const QByteArray later = Record(4242, "Twelfth") + Record(7, "Thirteenth").left(11);
  WriteAll(Path(), FullList(kDatum) + later);

  const EntryOutcome outcome = AddEntry(File(), {550, QStringLiteral("Ĉefo"), kDatum});
  ASSERT_TRUE(outcome.saved.ok) << outcome.saved.problem.toStdString();

  const QByteArray cefo = QByteArray::fromHex("c6") + "efo";  // "Ĉefo" in ISO-8859-3
  constexpr int kFivePlaces = 5 * 39;
  const QByteArray expected = FullList(kDatum).left(kFivePlaces) + Record(550, cefo, kDatum) +
                              FullList(kDatum).mid(kFivePlaces, kFivePlaces) + later;
  EXPECT_EQ(ReadAll(Path()), expected);
  EXPECT_EQ(outcome.list, File().ReadList());
}

TEST_F(HighscoreChangesTest, AFirstEntryWithoutAFileLeadsTenEmptyPlaces) {
  const EntryOutcome outcome =
      AddEntry(File(), {3, QStringLiteral("Nomo kun pli ol dudek literoj"), kDatum});
  ASSERT_TRUE(outcome.saved.ok);
  EXPECT_EQ(ReadAll(Path()), Record(3, "Nomo kun pli ol dude", kDatum) + EmptyRecords(10));
  EXPECT_EQ(outcome.list[0].Person, QStringLiteral("Nomo kun pli ol dude"));
}

// A byte the code page leaves undefined shows as U+FFFD when read, but the
// save can only write "?": the list shown after the entry must say "?" too.
TEST_F(HighscoreChangesTest, TheListShownIsTheListSavedEvenForUndefinedBytes) {
  WriteAll(Path(), Record(9, "A" + QByteArray::fromHex("a5") + "B"));

  const EntryOutcome outcome = AddEntry(File(), {1, QStringLiteral("Nova"), kDatum});
  ASSERT_TRUE(outcome.saved.ok);
  EXPECT_EQ(ReadAll(Path()).left(39), Record(9, "A?B"));
  EXPECT_EQ(outcome.list, File().ReadList());
}

TEST_F(HighscoreChangesTest, AResetEmptiesElevenRecordsAndKeepsLaterOnes) {
  const QByteArray later = Record(4242, "Twelfth");
  WriteAll(Path(), FullList(kDatum) + later);
  ASSERT_TRUE(ResetList(File()).ok);
  EXPECT_EQ(ReadAll(Path()), EmptyRecords(11) + later);
}

// Another copy of the game holds the lock past the wait: neither an entry nor
// a reset may write, and both say so; once it lets go, the entry goes in.
TEST_F(HighscoreChangesTest, WhileAnotherCopyHoldsTheLockNothingIsWritten) {
  const QByteArray old = FullList(kDatum);
  WriteAll(Path(), old);
  QLockFile otherCopy(Path() + QStringLiteral(".lock"));
  ASSERT_TRUE(otherCopy.tryLock());
  const HighscoreFile file(Path(), {}, std::chrono::milliseconds(50));

  const EntryOutcome outcome = AddEntry(file, {550, QStringLiteral("Nova"), kDatum});
  EXPECT_FALSE(outcome.saved.ok);
  EXPECT_FALSE(outcome.saved.problem.isEmpty());
  EXPECT_EQ(outcome.list, File().ReadList()) << "the list shown is the one in the file";
  const WriteResult reset = ResetList(file);
  EXPECT_FALSE(reset.ok);
  EXPECT_FALSE(reset.problem.isEmpty());
  EXPECT_EQ(ReadAll(Path()), old);

  otherCopy.unlock();
  ASSERT_TRUE(AddEntry(file, {550, QStringLiteral("Nova"), kDatum}).saved.ok);
  EXPECT_EQ(ReadAll(Path()).mid(5 * 39, 39), Record(550, "Nova", kDatum));
}

// Each way the lock file can fail to be made, and what becomes of an entry
// then: only another copy that holds the lock past the wait stops it; any
// other failure saves unlocked, with one line on the console. The refusals
// that root cannot bring about are played through the write faults.
TEST(HighscoreListLock, OnlyALockHeldByAnotherCopyStopsAnEntry) {
  struct Case {
    const char* what;
    std::optional<QLockFile::LockError> refused;
    bool anotherCopyHolds;
    bool saved;
    const char* reason;  // on the console, when saved without the lock
  };
  const Case cases[] = {
      {"permission refused", QLockFile::PermissionError, false, true, "(permission denied)"},
      {"no space, a full quota or an unsupported file system", QLockFile::UnknownError, false, true,
       "(the folder does not take it)"},
      {"held by another copy", std::nullopt, true, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("P1.dat"));
    WriteAll(path, FullList(kDatum));
    QLockFile otherCopy(path + QStringLiteral(".lock"));
    if (c.anotherCopyHolds) {
      ASSERT_TRUE(otherCopy.tryLock());
    }
    WriteFaults faults;
    faults.lockFileRefused = c.refused;
    const HighscoreFile file(path, faults, std::chrono::milliseconds(50));

    ::testing::internal::CaptureStderr();
    const EntryOutcome outcome = AddEntry(file, {550, QStringLiteral("Nova"), kDatum});
    const std::string console = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(outcome.saved.ok, c.saved) << outcome.saved.problem.toStdString();
    EXPECT_EQ(ReadAll(path).mid(5 * 39, 39) == Record(550, "Nova", kDatum), c.saved);
    EXPECT_EQ(outcome.saved.problem.isEmpty(), c.saved);
    const auto lines = std::count(console.begin(), console.end(), '\n');
    EXPECT_EQ(lines, c.saved ? 1 : 0) << console;
    if (c.saved) {
      EXPECT_NE(console.find(".lock cannot be made " + std::string(c.reason)), std::string::npos)
          << console;
    }
  }
}

// A copy killed the moment it made the lock file leaves it empty, and one
// killed while taking over a stale lock leaves Qt's helper lock behind; once
// both are older than a save could take (though younger than Qt's own
// limit for its helper), neither stops the entry.
TEST_F(HighscoreChangesTest, EmptyLockFilesLeftByKilledCopiesDoNotStopTheEntry) {
  WriteAll(Path(), FullList(kDatum));
  const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-10);
  for (const QString& name :
       {Path() + QStringLiteral(".lock"), Path() + QStringLiteral(".lock.rmlock")}) {
    WriteAll(name, {});
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
  }
  const HighscoreFile file(Path(), {}, std::chrono::milliseconds(50));
  const EntryOutcome outcome = AddEntry(file, {550, QStringLiteral("Nova"), kDatum});
  ASSERT_TRUE(outcome.saved.ok) << outcome.saved.problem.toStdString();
  EXPECT_EQ(ReadAll(Path()).mid(5 * 39, 39), Record(550, "Nova", kDatum));
}

}  // namespace
}  // namespace breliko::highscore
