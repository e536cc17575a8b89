// A save of the highscore list that is killed at any moment leaves P1.dat
// with either its old or its new content, byte for byte. A real writer
// process performs one entry and is sent SIGKILL after a random delay spread
// across its run time.

#include <signal.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "child_process.h"
#include "record_bytes.h"

namespace breliko::highscore {
namespace {

using breliko::testing::FinishedFine;
using breliko::testing::ReadAll;
using breliko::testing::Record;
using breliko::testing::WaitFor;
using breliko::testing::WriteAll;
using Clock = std::chrono::steady_clock;
using Microseconds = std::chrono::microseconds;

// Writers killed, not counting the ones that finish before their kill;
// the number of starts is bounded in case they all finish.
constexpr int kKills = 200;
constexpr int kMostStarts = 800;
constexpr const char* kDatum = "01.02.24 10:00:00";

QByteArray Place(int place) {
  return Record(1100 - 100 * place, "Player " + QByteArray::number(place), kDatum);
}

// Records from 12 on, with bytes no save of the game would write and a
// short last record: they must come through every save untouched.
QByteArray LaterRecords() {
  return Record(4242, "Twelfth") + Record(-3, QByteArray::fromHex("00ffa50ae6"), "\t\r\n") +
         Record(1, "cut short").left(25);
}

// Places 1 to 10 from 1000 down to 100 and an eleventh of 50.
QByteArray OldContent() {
  QByteArray bytes;
  for (int place = 1; place <= 10; ++place) bytes += Place(place);
  return bytes + Record(50, "Eleventh", kDatum) + LaterRecords();
}

// The writer's 555 lands after the fifth place; the 50 drops out.
QByteArray NewContent() {
  QByteArray bytes;
  for (int place = 1; place <= 5; ++place) bytes += Place(place);
  // "Ŝanĝo" in ISO-8859-3.
  bytes += Record(555, QByteArray::fromHex("de616ef86f"), "07.12.24 22:15:00");
  for (int place = 6; place <= 10; ++place) bytes += Place(place);
  return bytes + LaterRecords();
}

pid_t StartWriter(const QString& folder) {
  return breliko::testing::Spawn(BRELIKO_ENTRY_WRITER, {QFile::encodeName(folder)});
}

class HighscoreKillTest : public ::testing::Test {
 protected:
  QString Path() const { return folder_.filePath(QStringLiteral("P1.dat")); }
  int FolderEntries() const { return int(QDir(folder_.path()).entryList(QDir::Files).size()); }

  // The median of a few whole runs, each on the old file.
  Microseconds WriterRunTime() {
    std::vector<Microseconds> times;
    for (int run = 0; run < 5; ++run) {
      WriteAll(Path(), OldContent());
      const Clock::time_point start = Clock::now();
      const pid_t pid = StartWriter(folder_.path());
      EXPECT_GT(pid, 0);
      EXPECT_TRUE(FinishedFine(WaitFor(pid)));
      times.push_back(std::chrono::duration_cast<Microseconds>(Clock::now() - start));
      EXPECT_EQ(ReadAll(Path()), NewContent());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  }

  QTemporaryDir folder_;
};

TEST_F(HighscoreKillTest, AKilledEntryLeavesTheOldOrTheNewFileByteForByte) {
  const QByteArray old = OldContent();
  const QByteArray neu = NewContent();
  const Microseconds runTime = WriterRunTime();
  ASSERT_FALSE(HasFailure()) << "the writer does not save the entry it should";

  // Temporary files of saves killed in an earlier run. Qt keeps a new
  // temporary file unnamed until just before the rename, so a kill seldom
  // leaves one; these stand for the ones that were left.
  for (const char* name : {"P1.dat.Kx3vQa", "P1.dat.0aZ9pL"}) {
    WriteAll(folder_.filePath(QString::fromLatin1(name)), NewContent().left(100));
  }

  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  std::uniform_int_distribution<long> delays(0, runTime.count());

  int killed = 0, keptOld = 0, gotNew = 0, finished = 0, leftTemporary = 0;
  for (int start = 0; start < kMostStarts && killed < kKills; ++start) {
    WriteAll(Path(), old);
    const int entriesBefore = FolderEntries();
    const Microseconds delay(delays(random));
    const pid_t pid = StartWriter(folder_.path());
    ASSERT_GT(pid, 0) << "the writer cannot be started";
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    const int status = WaitFor(pid);

    const QByteArray bytes = ReadAll(Path());
    ASSERT_TRUE(bytes == old || bytes == neu)
        << "killed after " << delay.count() << " us (seed " << seed << "), P1.dat holds "
        << bytes.toHex(' ').toStdString();
    if (WIFEXITED(status)) {
      ++finished;
      EXPECT_TRUE(FinishedFine(status));
      EXPECT_EQ(bytes, neu);
      continue;
    }
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ++killed;
    if (bytes == old) ++keptOld;
    if (bytes == neu) ++gotNew;
    if (FolderEntries() > entriesBefore) ++leftTemporary;
  }
  EXPECT_EQ(killed, kKills) << "the writers finished before their kills";

  // Leftover temporary files do not stop the next save.
  WriteAll(Path(), old);
  const pid_t last = StartWriter(folder_.path());
  ASSERT_GT(last, 0);
  ASSERT_TRUE(FinishedFine(WaitFor(last)));
  EXPECT_EQ(ReadAll(Path()), neu);

  std::printf(
      "writer run time %lld us; %d killed: %d left the old file, %d the new one, %d a "
      "temporary file; %d finished before the kill; seed %u\n",
      static_cast<long long>(runTime.count()), killed, keptOld, gotNew, leftTemporary, finished,
      seed);
  RecordProperty("kept_old", keptOld);
  RecordProperty("got_new", gotNew);
}

}  // namespace
}  // namespace breliko::highscore
