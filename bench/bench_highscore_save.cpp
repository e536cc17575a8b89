// One save of the highscore list, as a new entry or a reset makes it, on a
// file of 429 bytes, one of 1 MiB and a sparse one of 2 GiB: how long it
// takes, and how far it raises the program's peak memory (peak_rise_kB, the
// maximum resident size after the saves less the one before them). And a
// save behind a lock that a killed copy left empty, which must take well
// under a second.

#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "highscore/highscore_changes.h"
#include "highscore/highscore_file.h"

namespace {

using breliko::highscore::HighscoreFile;
using breliko::highscore::HighscoreList;

long PeakKilobytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Arguments: the file's length, and whether past its first bytes it is a
// hole rather than written zeros.
void BM_SaveList(benchmark::State& state) {
  const qint64 length = state.range(0);
  const bool sparse = state.range(1) != 0;
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("P1.dat"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("no file");
    if (sparse) {
      file.resize(length);
    } else {
      file.write(QByteArray(length, '\0'));
    }
  }
  const HighscoreFile file(path);
  HighscoreList list;
  const long before = PeakKilobytes();
  qint16 score = 0;
  for (auto _ : state) {
    list[0].Wert = ++score;  // every save writes other bytes
    if (!file.WriteList(list).ok) state.SkipWithError("the save failed");
  }
  state.counters["peak_rise_kB"] = double(PeakKilobytes() - before);
}
BENCHMARK(BM_SaveList)
    ->ArgNames({"bytes", "sparse"})
    ->Args({429, 0})
    ->Args({1 << 20, 0})
    ->Args({qint64(2) << 30, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The copy was killed a second ago, between making the lock file and writing
// its process number into it; the window stays frozen until the save is done.
void BM_SaveBehindAnEmptyLock(benchmark::State& state) {
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("P1.dat"));
  const HighscoreFile file(path);
  for (auto _ : state) {
    state.PauseTiming();
    QFile lock(path + QStringLiteral(".lock"));
    if (!lock.open(QIODevice::WriteOnly) ||
        !lock.setFileTime(QDateTime::currentDateTime().addSecs(-1),
                          QFileDevice::FileModificationTime)) {
      state.SkipWithError("no lock file");
    }
    state.ResumeTiming();
    if (!breliko::highscore::ResetList(file).ok) state.SkipWithError("the save failed");
  }
}
BENCHMARK(BM_SaveBehindAnEmptyLock)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
