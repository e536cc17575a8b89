// A save of the highscore list that is killed at any moment leaves P1.dat,
// once the next start has read it, with either its old or its new content,
// byte for byte: a file of a few records, and a sparse file of 2 GiB whose
// later records, holes and length must stay as they are. A real writer
// process performs one entry and is sent SIGKILL after a random delay spread
// across its run time.

#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "child_process.h"
#include "highscore/highscore_file.h"
#include "record_bytes.h"
#include "writer_entry.h"

namespace breliko::highscore {
namespace {

using breliko::testing::FinishedFine;
using breliko::testing::LaterRecords;
using breliko::testing::NewContent;
using breliko::testing::OldContent;
using breliko::testing::WaitFor;
using breliko::testing::WriteAll;
using Clock = std::chrono::steady_clock;
using Microseconds = std::chrono::microseconds;

// Writers killed inside their save, however many starts that takes on a
// busy or an idle machine; the starts are bounded only so that a writer that
// never saves cannot keep the test going for ever.
constexpr int kKills = 200;
constexpr int kMostStarts = 50000;
// The large file: the same records, then a hole up to 2 GiB and the later
// records once more at its very end.
constexpr qint64 kLargeSize = qint64(2) << 30;
constexpr qint64 kEndBytes = 8192;

void LayOut(const QString& path, const QByteArray& content, bool large) {
  WriteAll(path, content);
  if (!large) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite) || !file.resize(kLargeSize)) return;
  file.seek(kLargeSize - LaterRecords().size());
  file.write(LaterRecords());
}

// What the test compares: a small file whole; of a large one its length and
// its first and last 8 KiB, which hold every byte but the hole's zeros.
QByteArray Look(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  if (file.size() <= 2 * kEndBytes) return file.readAll();
  QByteArray look = QByteArray::number(file.size()) + ':' + file.read(kEndBytes);
  file.seek(file.size() - kEndBytes);
  return look + file.read(kEndBytes);
}

pid_t StartWriter(const QString& folder, const std::vector<QByteArray>& settings = {}) {
  return breliko::testing::Spawn(BRELIKO_ENTRY_WRITER, {QFile::encodeName(folder)}, settings);
}

// A writer that tells through a pipe when its save begins ("s") and ends
// ("d"); Marks() reads what it told once it is gone.
class MarkedWriter {
 public:
  explicit MarkedWriter(const QString& folder) {
    if (::pipe(ends_) != 0) return;
    pid_ = StartWriter(folder, {"BRELIKO_MARKS_FD=" + QByteArray::number(ends_[1])});
    ::close(ends_[1]);
  }
  ~MarkedWriter() { ::close(ends_[0]); }
  pid_t Pid() const { return pid_; }
  QByteArray Marks() const {
    QByteArray marks;
    char mark = 0;
    while (::read(ends_[0], &mark, 1) == 1) marks += mark;
    return marks;
  }

 private:
  int ends_[2] = {-1, -1};
  pid_t pid_ = -1;
};

// The parameter: whether the file is the large sparse one.
class HighscoreKillTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    LayOut(references_.filePath(QStringLiteral("old")), OldContent(), GetParam());
    LayOut(references_.filePath(QStringLiteral("new")), NewContent(), GetParam());
  }

  QString Path() const { return folder_.filePath(QStringLiteral("P1.dat")); }
  QString UndoCopy() const { return folder_.filePath(QStringLiteral("P1.dat.undo")); }
  void LayOutOld() const { LayOut(Path(), OldContent(), GetParam()); }
  QByteArray Old() const { return Look(references_.filePath(QStringLiteral("old"))); }
  QByteArray New() const { return Look(references_.filePath(QStringLiteral("new"))); }
  int FolderEntries() const { return int(QDir(folder_.path()).entryList(QDir::Files).size()); }

  // The median of a few whole runs, each on the old file.
  Microseconds WriterRunTime() {
    std::vector<Microseconds> times;
    for (int run = 0; run < 5; ++run) {
      LayOutOld();
      const Clock::time_point start = Clock::now();
      const pid_t pid = StartWriter(folder_.path());
      EXPECT_GT(pid, 0);
      EXPECT_TRUE(FinishedFine(WaitFor(pid)));
      times.push_back(std::chrono::duration_cast<Microseconds>(Clock::now() - start));
      EXPECT_EQ(Look(Path()), New());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  }

  QTemporaryDir folder_;
  QTemporaryDir references_;
};

TEST_P(HighscoreKillTest, AKilledEntryLeavesTheOldOrTheNewFileByteForByte) {
  const QByteArray old = Old();
  const QByteArray neu = New();
  const Microseconds runTime = WriterRunTime();
  ASSERT_FALSE(HasFailure()) << "the writer does not save the entry it should";

  // Temporary files of saves killed in an earlier run, before their
  // rename; the next save removes them.
  for (const char* name : {"P1.dat.undo.new-Kx3vQa", "P1.dat.undo.new-0aZ9pL"}) {
    WriteAll(folder_.filePath(QString::fromLatin1(name)), NewContent().left(100));
  }

  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  std::uniform_int_distribution<long> delays(0, runTime.count());

  int killed = 0, keptOld = 0, gotNew = 0, finished = 0, leftTemporary = 0, putBack = 0;
  int outside = 0;
  for (int start = 0; start < kMostStarts && killed < kKills; ++start) {
    LayOutOld();
    const int entriesBefore = FolderEntries();
    const Microseconds delay(delays(random));
    const MarkedWriter writer(folder_.path());
    const pid_t pid = writer.Pid();
    ASSERT_GT(pid, 0) << "the writer cannot be started";
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    const int status = WaitFor(pid);
    const QByteArray marks = writer.Marks();

    // The next start reads the threshold first, and puts back what an undo
    // copy holds: afterwards the file alone says what the list is.
    const bool undoCopyLeft = QFileInfo::exists(UndoCopy());
    HighscoreFile(Path()).ReadHighscoreGrenze();
    ASSERT_FALSE(QFileInfo::exists(UndoCopy())) << "after a kill " << delay.count() << " us in";
    const QByteArray bytes = Look(Path());
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
    if (marks != "s") {
      ++outside;
      continue;
    }
    ++killed;
    if (undoCopyLeft) ++putBack;
    if (bytes == old) ++keptOld;
    if (bytes == neu) ++gotNew;
    if (FolderEntries() > entriesBefore) ++leftTemporary;
  }
  EXPECT_EQ(killed, kKills) << "no writer was killed inside its save in " << kMostStarts
                            << " starts";

  // Leftover temporary files do not stop the next save.
  LayOutOld();
  const pid_t last = StartWriter(folder_.path());
  ASSERT_GT(last, 0);
  ASSERT_TRUE(FinishedFine(WaitFor(last)));
  EXPECT_EQ(Look(Path()), neu);
  EXPECT_EQ(QDir(folder_.path()).entryList({QStringLiteral("P1.dat.undo*")}), QStringList{})
      << "temporary files of killed saves are left";

  std::printf(
      "writer run time %lld us; %d killed: %d left the old file, %d the new one, %d a "
      "temporary file, %d an undo copy that the next start put back; %d finished before the "
      "kill, %d killed outside the save; seed %u\n",
      static_cast<long long>(runTime.count()), killed, keptOld, gotNew, leftTemporary, putBack,
      finished, outside, seed);
  RecordProperty("kept_old", keptOld);
  RecordProperty("got_new", gotNew);
}

INSTANTIATE_TEST_SUITE_P(Files, HighscoreKillTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& file) {
                           return file.param ? "LargeSparseFile" : "SmallFile";
                         });

}  // namespace
}  // namespace breliko::highscore
