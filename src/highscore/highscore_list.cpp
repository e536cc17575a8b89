#include "highscore/highscore_list.h"

#include <algorithm>

namespace breliko::highscore {

void AbsteigendSortieren(HighscoreList& eintraege) {
  std::stable_sort(eintraege.begin(), eintraege.end(),
                   [](const HighscoreEntry& a, const HighscoreEntry& b) { return a.Wert > b.Wert; });
}

}  // namespace breliko::highscore
