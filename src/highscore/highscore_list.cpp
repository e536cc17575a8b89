#include "highscore/highscore_list.h"

#include <algorithm>

namespace breliko::highscore {

void AbsteigendSortieren(HighscoreList& eintraege) {
  const auto hoeher = [](const HighscoreEntry& a, const HighscoreEntry& b) {
    return a.Wert > b.Wert;
  };
  std::stable_sort(eintraege.begin(), eintraege.end(), hoeher);
}

}  // namespace breliko::highscore
