#include "highscore/highscore_changes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <string>
#include <utility>

#include "record_bytes.h"

namespace breliko::highscore {
namespace {

using breliko::testing::Backdate;
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
  const HighscoreFile file(Path(), std::chrono::milliseconds(50));

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

// Why an entry is not saved, on the console and for the player: another copy
// that holds the lock past the wait stops it, and says so; a lock file the
// folder does not take (here a name too long for it) stops no other copy, so
// the entry goes ahead at once, not after an hour's wait, unlocked with a
// line on the console, and fails only when the folder does not take the undo
// copy's longer name either. A copy that a busy machine stopped until past
// the end of its wait finds less than no time left: it gives up, it does not
// wait for ever.
TEST(HighscoreListLock, ALockHeldByAnotherCopyOrAFolderRefusingItIsTold) {
  using std::chrono::milliseconds;
  struct Case {
    const char* what;
    QString listName;
    bool anotherCopyHolds;
    milliseconds wait;
    const char* console;  // "%1" for the list's path
    const char* problem;  // the start of it, after the list's path where one is given
  };
  const Case cases[] = {
      {"a name the folder cannot take with \".lock\"", QString(251, u'p'), false,
       std::chrono::hours(1),
       "breliko: %1.lock cannot be made (the folder does not take it); the list is locked on "
       "itself alone\n",
       ""},
      {"held by another copy", QStringLiteral("P1.dat"), true, milliseconds(50), nullptr,
       "another copy of the game is saving the list ("},
      {"held by another copy, the wait over before the first try", QStringLiteral("P1.dat"), true,
       milliseconds(-1), nullptr, "another copy of the game is saving the list ("},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QTemporaryDir folder;
    const QString path = folder.filePath(c.listName);
    WriteAll(path, FullList(kDatum));
    QLockFile otherCopy(path + QStringLiteral(".lock"));
    if (c.anotherCopyHolds) {
      // Its save has run for two seconds already, as on a slow disk.
      ASSERT_TRUE(otherCopy.tryLock() && Backdate(otherCopy.fileName(), 2));
    }
    const HighscoreFile file(path, c.wait);

    ::testing::internal::CaptureStderr();
    const EntryOutcome outcome = AddEntry(file, {550, QStringLiteral("Nova"), kDatum});
    const std::string console = ::testing::internal::GetCapturedStderr();

    EXPECT_FALSE(outcome.saved.ok);
    EXPECT_EQ(ReadAll(path), FullList(kDatum));
    EXPECT_EQ(console, c.console ? QString::fromUtf8(c.console).arg(path).toStdString() : "");
    const std::string problem = outcome.saved.problem.toStdString();
    EXPECT_FALSE(problem.empty());
    EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
  }
}

// A folder the player may not write to takes neither the lock file nor an
// undo copy, but a list file the player may write is saved in place. Root
// may write anywhere, so the save then runs as nobody.
TEST(HighscoreListLock, AFolderWithoutWritePermissionSavesTheEntryInPlace) {
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("P1.dat"));
  WriteAll(path, FullList(kDatum));
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
  const HighscoreFile file(path, std::chrono::milliseconds(50));

  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
        std::_Exit(AddEntry(file, {550, QStringLiteral("Nova"), kDatum}).saved.ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0),
      "^breliko: .*/P1.dat.lock cannot be made \\(permission denied\\); the list is locked on "
      "itself alone\n$");
  EXPECT_EQ(ReadAll(path).mid(5 * 39, 39), Record(550, "Nova", kDatum));
  ::chmod(QFile::encodeName(folder.path()).constData(), 0700);
}

// A copy killed the moment it made the lock file leaves it empty, and one
// killed while taking over a stale lock leaves Qt's helper lock behind; once
// both are older than a save could take (though younger than Qt's own
// limit for its helper), neither stops the entry, and neither stays to stop
// a copy of the game before this one. The lone lock file is taken
// over at once, not after the wait: with an hour's wait the entry would hang.
TEST_F(HighscoreChangesTest, EmptyLockFilesLeftByKilledCopiesDoNotStopTheEntry) {
  const QString lock = Path() + QStringLiteral(".lock");
  const std::pair<QStringList, std::chrono::milliseconds> cases[] = {
      {{lock}, std::chrono::hours(1)},
      {{lock, lock + QStringLiteral(".rmlock")}, std::chrono::milliseconds(50)}};
  for (const auto& [leftBehind, wait] : cases) {
    WriteAll(Path(), FullList(kDatum));
    for (const QString& name : leftBehind) ASSERT_TRUE(Backdate(name, 10));
    const EntryOutcome outcome =
        AddEntry(HighscoreFile(Path(), wait), {550, QStringLiteral("Nova"), kDatum});
    ASSERT_TRUE(outcome.saved.ok) << outcome.saved.problem.toStdString();
    EXPECT_EQ(ReadAll(Path()).mid(5 * 39, 39), Record(550, "Nova", kDatum));
    for (const QString& name : leftBehind)
      EXPECT_FALSE(QFileInfo::exists(name)) << "left: " << name.toStdString();
  }
}

}  // namespace
}  // namespace breliko::highscore
