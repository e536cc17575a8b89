// Plays a long run of seeded random games through the engine and checks the
// game's invariants after every drop:
//
//   breliko_soak [DROPS [SEED]]      (1,000,000 drops, seed 1 by default)
//
// Exit status 0 when every drop kept the rules, 1 at the first that did not.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "soak_player.h"

namespace {

long long ArgumentOr(int argc, char** argv, int index, long long fallback) {
  if (argc <= index) return fallback;
  char* end = nullptr;
  const long long value = std::strtoll(argv[index], &end, 10);
  if (*end != '\0' || value <= 0) {
    std::fprintf(stderr, "usage: breliko_soak [DROPS [SEED]] (positive numbers)\n");
    std::exit(2);
  }
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  const long long drops = ArgumentOr(argc, argv, 1, 1'000'000);
  const long long seed = ArgumentOr(argc, argv, 2, 1);

  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  const auto report = breliko::game::testing::PlaySoak(drops, static_cast<std::uint64_t>(seed));
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

  std::printf("%lld drops in %lld games (seed %lld): %lld stripes, %lld squares\n",
              static_cast<long long>(report.drops), static_cast<long long>(report.games), seed,
              static_cast<long long>(report.stripes), static_cast<long long>(report.squares));
  std::printf("%.1f s (%.1f s of CPU): %.0f drops per second, %.0f per CPU second\n",
              seconds.count(), cpuSeconds, static_cast<double>(report.drops) / seconds.count(),
              static_cast<double>(report.drops) / cpuSeconds);
  if (!report.failure.empty()) {
    std::printf("BROKEN RULE: %s\n", report.failure.c_str());
    return 1;
  }
  std::printf("every drop kept the rules\n");
  return 0;
}
