// How fast the rules run: whole drops of seeded games, and one series of the
// five scans on a crowded board. The window is a host that does nothing.
#include <benchmark/benchmark.h>

#include <random>

#include "game/game.h"
#include "game/quiet_host.h"

namespace {

using namespace breliko::game;

// Drops of random fields onto random places, games restarted as they end.
void BM_Drop(benchmark::State& state) {
  QuietHost host;
  SeededRandomSource random(1);
  Game game(host, random);
  std::mt19937 player(7);
  std::uniform_int_distribution<int> field(0, kFieldCount - 1);
  game.cmdSpielStarten_Click();
  for (auto _ : state) {
    int source = field(player);
    while (!game.CanDrag(source)) {
      if (!game.picP(source).Enabled) game.cmdSpielStarten_Click();
      source = field(player);
    }
    game.picP_DragDrop(field(player), source);
    if (game.TimerEnabled()) game.tmrTimer_Timer();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Drop);

// The five scans on a board full of colours that form nothing.
void BM_ScanSeriesOnCrowdedBoard(benchmark::State& state) {
  QuietHost host;
  SeededRandomSource random(1);
  Game game(host, random);
  for (int i = 0; i < kFieldCount; ++i) {
    const int row = i / kColumns;
    const int column = i % kColumns;
    game.Belegen(i, (2 * row + column) % 7);  // no line or square of one colour
  }
  for (auto _ : state) {
    game.Spalten();
    game.Zeilen();
    game.Diagonalen();
    game.QuadrateOben();
    game.QuadrateUnten();
    benchmark::DoNotOptimize(game.SpaltenGefunden());
  }
}
BENCHMARK(BM_ScanSeriesOnCrowdedBoard);

}  // namespace

BENCHMARK_MAIN();
