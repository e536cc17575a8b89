#include <benchmark/benchmark.h>

#include <QColor>

#include "game/random_source.h"
#include "tree/fractal_tree.h"
#include "ui/main_window/tree_canvas.h"

namespace {

using breliko::game::ClockRandomSource;
using breliko::game::RandomSource;
using breliko::ui::TreeCanvas;

// Numbers from the top third only: every branch gets four children and
// long ones, the largest tree there can be (341 branches).
class LargestTreeRandom final : public RandomSource {
 public:
  double Next() override { return 0.67 + 0.33 * clock_.Next(); }
  void Reseed() override { clock_.Reseed(); }

 private:
  ClockRandomSource clock_;
};

// What a stripe or a square costs: a new tree, clearing and painting
// included, with no pending events to run.
template <typename Random>
void BM_DrawTree(benchmark::State& state) {
  Random random;
  TreeCanvas canvas;
  canvas.SetBackColor(QColor(230, 255, 230));
  for (auto _ : state) {
    canvas.DrawTree(random, [] {});
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_DrawTree<ClockRandomSource>)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawTree<LargestTreeRandom>)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);

// The geometry alone, to tell it apart from the painting.
void BM_TreeLinesOnly(benchmark::State& state) {
  ClockRandomSource random;
  double lines = 0;
  for (auto _ : state) {
    random.Reseed();
    breliko::tree::FractalTree tree([&random] { return random.Next(); },
                                    [&lines](const breliko::tree::Line&) { ++lines; });
    tree.PlaceTrunkFoot(2220, 2220);
    tree.DrawTree(2220);
  }
  state.counters["lines_per_tree"] = benchmark::Counter(lines, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TreeLinesOnly)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);

}  // namespace
