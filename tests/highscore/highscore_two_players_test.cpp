// Two copies of the game started in one folder save to the same P1.dat.
// Neither may lose the other's entries, and a lock left behind by a copy that
// was killed must not keep the other from saving. Real helper processes play
// the copies.

#include <signal.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "child_process.h"
#include "highscore/highscore_changes.h"
#include "record_bytes.h"
#include "two_players.h"

namespace breliko::highscore {
namespace {

using breliko::testing::FinishedFine;
using breliko::testing::PlayerEntry;
using breliko::testing::ReadAll;
using breliko::testing::Record;
using breliko::testing::WaitFor;
using breliko::testing::WriteAll;

constexpr const char* kDatum = "01.02.24 10:00:00";

QByteArray RecordOf(const HighscoreEntry& entry) {
  return Record(entry.Wert, entry.Person.toLatin1(), entry.Datum.toLatin1());
}

QByteArray LaterRecords() { return Record(4242, "Twelfth", kDatum); }

// A champion above every new score, eight old places below the new scores,
// and an eleventh; then a twelfth record that no save may touch.
QByteArray OldContent() {
  QByteArray bytes = Record(5000, "Veterano", kDatum);
  for (int place = 2; place <= 10; ++place) {
    bytes += Record(1000 - 100 * place, "Player " + QByteArray::number(place), kDatum);
  }
  return bytes + Record(50, "Eleventh", kDatum) + LaterRecords();
}

// Every entry of both players, highest first (no two scores are equal).
std::vector<HighscoreEntry> AllEntriesHighestFirst() {
  std::vector<HighscoreEntry> entries;
  for (int player = 0; player < 2; ++player) {
    for (int turn = 0; turn < breliko::testing::kTurns; ++turn) {
      entries.push_back(PlayerEntry(player, turn));
    }
  }
  std::sort(entries.begin(), entries.end(),
            [](const HighscoreEntry& a, const HighscoreEntry& b) { return a.Wert > b.Wert; });
  return entries;
}

// Score and name of each place, for a failure message a reader can follow.
std::vector<std::string> Places(const QByteArray& records) {
  std::vector<std::string> places;
  for (qsizetype at = 0; at + kRecordBytes <= records.size(); at += kRecordBytes) {
    const HighscoreEntry entry = FromRecord(records.mid(at, kRecordBytes));
    places.push_back(std::to_string(entry.Wert) + " " + entry.Person.trimmed().toStdString());
  }
  return places;
}

class HighscoreTwoPlayersTest : public ::testing::Test {
 protected:
  QString Path() const { return folder_.filePath(QStringLiteral("P1.dat")); }
  QString LockPath() const { return Path() + QStringLiteral(".lock"); }
  pid_t StartPlayer(std::vector<QByteArray> arguments,
                    const std::vector<QByteArray>& settings = {}) const {
    arguments.insert(arguments.begin(), QFile::encodeName(folder_.path()));
    return breliko::testing::Spawn(BRELIKO_PLAYER, arguments, settings);
  }
  void CheckTwoCopies(const std::vector<QByteArray>& settings) const;

  QTemporaryDir folder_;
};

// Also in a folder that takes no new file, where neither copy can make a lock
// file or an undo copy: the lock on the list itself keeps them apart; and
// where the file system has no locks on a file, the lock file does.
TEST_F(HighscoreTwoPlayersTest, TwoCopiesEnteringAtOnceLoseNoEntry) {
  const std::vector<QByteArray> noNewFile{"LD_PRELOAD=" BRELIKO_FAULT_SHIM,
                                          "BRELIKO_FAULTS=create EACCES */P1.dat.* 0 0",
                                          "ASAN_OPTIONS=verify_asan_link_order=0"};
  const std::vector<QByteArray> noRecordLocks{"LD_PRELOAD=" BRELIKO_FAULT_SHIM,
                                              "BRELIKO_FAULTS=lock EINVAL */P1.dat 0 0",
                                              "ASAN_OPTIONS=verify_asan_link_order=0"};
  const std::pair<const char*, std::vector<QByteArray>> folders[] = {
      {"a folder that takes new files", {}},
      {"no new file", noNewFile},
      {"a file system without record locks: the lock file alone", noRecordLocks}};
  for (const auto& [folder, settings] : folders) {
    SCOPED_TRACE(folder);
    CheckTwoCopies(settings);
  }
}

void HighscoreTwoPlayersTest::CheckTwoCopies(const std::vector<QByteArray>& settings) const {
  WriteAll(Path(), OldContent());
  const pid_t first = StartPlayer({"entries", "0"}, settings);
  const pid_t second = StartPlayer({"entries", "1"}, settings);
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  EXPECT_TRUE(FinishedFine(WaitFor(first)));
  EXPECT_TRUE(FinishedFine(WaitFor(second)));

  // The champion stays first, the nine highest new scores follow in order.
  const std::vector<HighscoreEntry> entries = AllEntriesHighestFirst();
  QByteArray topTen = Record(5000, "Veterano", kDatum);
  for (int i = 0; i < 9; ++i) topTen += RecordOf(entries[i]);

  const QByteArray bytes = ReadAll(Path());
  ASSERT_EQ(bytes.size(), 11 * kRecordBytes + LaterRecords().size());
  EXPECT_EQ(Places(bytes.left(10 * kRecordBytes)), Places(topTen));
  EXPECT_TRUE(bytes.left(10 * kRecordBytes) == topTen) << "names and dates as entered";
  // The eleventh place holds the lowest of the eleven at the last entry: a
  // new score below the top ten.
  const QByteArray eleventh = bytes.mid(10 * kRecordBytes, kRecordBytes);
  EXPECT_TRUE(std::any_of(entries.begin() + 9, entries.end(), [&](const HighscoreEntry& entry) {
    return RecordOf(entry) == eleventh;
  })) << Places(eleventh).front();
  EXPECT_EQ(bytes.mid(11 * kRecordBytes), LaterRecords());
  EXPECT_FALSE(QFileInfo::exists(LockPath()));
}

TEST_F(HighscoreTwoPlayersTest, ALockLeftByAKilledCopyDoesNotHoldUpTheNextEntry) {
  WriteAll(Path(), OldContent());
  const pid_t killed = StartPlayer({"die-holding-lock"});
  ASSERT_GT(killed, 0);
  const int status = WaitFor(killed);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  ASSERT_TRUE(QFileInfo::exists(LockPath())) << "the killed copy should have left its lock";

  // A wait far below the age at which a lock counts as abandoned: the entry
  // gets through only because the copy that held the lock is seen to be gone.
  const HighscoreFile file(Path(), std::chrono::milliseconds(500));
  const HighscoreEntry neu = PlayerEntry(0, 0);
  const EntryOutcome outcome = AddEntry(file, neu);
  ASSERT_TRUE(outcome.saved.ok) << outcome.saved.problem.toStdString();
  EXPECT_EQ(ReadAll(Path()).mid(kRecordBytes, kRecordBytes), RecordOf(neu));
  EXPECT_FALSE(QFileInfo::exists(LockPath()));
}

}  // namespace
}  // namespace breliko::highscore
