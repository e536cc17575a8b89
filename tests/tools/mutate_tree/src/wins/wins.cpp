#include "wins/wins.h"

// A tie wins nothing: the test checks it, so ">=" here is caught.
bool Wins(int mine, int theirs) { return mine > theirs; }

// With equal numbers either is the larger: ">=" here changes nothing.
int Larger(int a, int b) {
  if (a > b) return a;
  return b;
}

// A step of 0 would never end the count.
int Rounds(int n) {
  int rounds = 0;
  while (n > 0) {
    n -= 1;
    ++rounds;
  }
  return rounds;
}

// Two cases of one value do not compile.
int Points(int length) {
  switch (length) {
    case 3:
      return 10;
    case 4:
      return 40;
  }
  return 0;
}
