#include <cstdio>

#include "wins/wins.h"

int main() {
  int failures = 0;
  auto expect = [&failures](bool held, const char* what) {
    if (!held) {
      std::printf("FAIL: %s\n", what);
      ++failures;
    }
  };
  expect(Wins(3, 2), "the higher score wins");
  expect(!Wins(2, 2), "a tie wins nothing");
  expect(!Wins(2, 3), "the lower score loses");
  expect(Larger(2, 5) == 5, "the second is larger");
  expect(Larger(5, 2) == 5, "the first is larger");
  expect(Rounds(3) == 3, "three rounds from 3");
  expect(Rounds(0) == 0, "no round from 0");
  expect(Points(3) == 10, "a line of three");
  expect(Points(4) == 40, "a line of four");
  expect(Points(5) == 0, "no line of five");
  return failures == 0 ? 0 : 1;
}
