// What the tree costs the canvas beside the board: one and the same tree
// drawn again and again into the canvas image (so that runs compare), at 1x
// and at twice the scale, and the canvas's own repaint onto the window once
// the tree is there.
#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>

#include <cstdint>
#include <random>

#include "game/random_source.h"
#include "tree/fractal_tree.h"
#include "ui/main_window/tree_canvas.h"

namespace {

using breliko::ui::TreeCanvas;

// Every reseed goes back to the same seed: the canvas grows the same tree
// each time, whose shape depends on the seed alone.
class SameTreeRandom final : public breliko::game::RandomSource {
 public:
  explicit SameTreeRandom(std::uint64_t seed) : seed_(seed), engine_(seed) {}
  double Next() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }
  void Reseed() override { engine_.seed(seed_); }

 private:
  std::uint64_t seed_;
  std::mt19937_64 engine_;
};

// How many lines the tree of a seed has, grown as the canvas grows it.
double LinesOfTree(SameTreeRandom& random) {
  double lines = 0;
  random.Reseed();
  breliko::tree::FractalTree tree([&random] { return random.Next(); },
                                  [&lines](const breliko::tree::Line&) { ++lines; });
  const float size = TreeCanvas::kInnerSize * TreeCanvas::kTwipsPerPixel;
  tree.PlaceTrunkFoot(size, size);
  tree.DrawTree(size);
  return lines;
}

// One tree (seed given by the argument), clearing the canvas included, with
// no pending events to run, on a screen of `ratio` device pixels to the pixel.
void DrawOneTree(benchmark::State& state, qreal ratio) {
  SameTreeRandom random(static_cast<std::uint64_t>(state.range(0)));
  state.counters["lines"] = LinesOfTree(random);
  TreeCanvas canvas;
  canvas.MatchDeviceRatio(ratio);
  canvas.SetBackColor(QColor(230, 255, 230));
  for (auto _ : state) {
    canvas.DrawTree(random, [] {});
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}

// Three trees, each measured nine times.
void ThreeSeeds(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(1)
      ->Arg(2)
      ->Arg(3)
      ->Unit(benchmark::kMillisecond)
      ->Repetitions(9)
      ->ReportAggregatesOnly(true);
}

void BM_CanvasDrawsOneTree(benchmark::State& state) { DrawOneTree(state, 1); }
BENCHMARK(BM_CanvasDrawsOneTree)->Apply(ThreeSeeds);

// The same trees on a screen of twice the scale: four times the device
// pixels, the branches smoothed.
void BM_CanvasDrawsOneTreeAt2x(benchmark::State& state) { DrawOneTree(state, 2); }
BENCHMARK(BM_CanvasDrawsOneTreeAt2x)->Apply(ThreeSeeds);

// The canvas painting itself, sunken edge and tree image, as the window
// does after every new tree.
void BM_CanvasRepaint(benchmark::State& state) {
  SameTreeRandom random(1);
  TreeCanvas canvas;
  canvas.SetBackColor(QColor(230, 255, 230));
  canvas.DrawTree(random, [] {});
  QImage window(canvas.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    canvas.render(&window);
    benchmark::DoNotOptimize(window.constBits());
  }
}
BENCHMARK(BM_CanvasRepaint)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
