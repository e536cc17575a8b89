#include "highscore/highscore_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace breliko::highscore {
namespace {

// A list from scores; each entry is named after its place before sorting.
HighscoreList ListOf(const std::vector<int>& werte) {
  HighscoreList list;
  for (int i = 0; i < kListLength; ++i) {
    list[i] = {qint16(werte.at(i)), QString::number(i), QStringLiteral("Tag %1").arg(i)};
  }
  return list;
}

std::vector<QString> Names(const HighscoreList& list) {
  std::vector<QString> names;
  for (const HighscoreEntry& entry : list) names.push_back(entry.Person);
  return names;
}

std::vector<QString> NamesOf(std::initializer_list<int> places) {
  std::vector<QString> names;
  for (int place : places) names.push_back(QString::number(place));
  return names;
}

struct SortCase {
  const char* name;
  std::vector<int> werte;
  std::vector<QString> order;  // former places, highest score first
};

class AbsteigendSortierenTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(AbsteigendSortierenTest, PutsTheHighestFirstAndKeepsEarlierEntriesAheadOnATie) {
  HighscoreList list = ListOf(GetParam().werte);
  AbsteigendSortieren(list);
  EXPECT_EQ(Names(list), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(Lists, AbsteigendSortierenTest,
                         ::testing::Values(SortCase{"NewEntryOnTopOfAnEmptyList",
                                                    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 50},
                                                    NamesOf({10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9})},
                                           SortCase{"NewEntryInTheMiddle",
                                                    {90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 55},
                                                    NamesOf({0, 1, 2, 3, 10, 4, 5, 6, 7, 8, 9})},
                                           SortCase{"NewEntryEqualToAnOldOneComesAfterIt",
                                                    {90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 50},
                                                    NamesOf({0, 1, 2, 3, 4, 10, 5, 6, 7, 8, 9})},
                                           SortCase{"NewEntryBelowTheTenthStaysEleventh",
                                                    {90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 3},
                                                    NamesOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
                                           SortCase{"AllEqual",
                                                    {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7},
                                                    NamesOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
                                           SortCase{"NegativeScoresGoBelowBlanks",
                                                    {-5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4},
                                                    NamesOf({10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0})}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AbsteigendSortierenTest, MovesNameAndDateWithTheScore) {
  HighscoreList list = ListOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  AbsteigendSortieren(list);
  EXPECT_EQ(list[0].Wert, 11);
  EXPECT_EQ(list[0].Person, QStringLiteral("10"));
  EXPECT_EQ(list[0].Datum, QStringLiteral("Tag 10"));
}

}  // namespace
}  // namespace breliko::highscore
