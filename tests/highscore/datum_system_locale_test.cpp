// The date of an entry as the game takes it: from the locale of the system
// the game runs under, not from a locale a test picks. CTest runs this once
// under C.UTF-8 and once under de_DE.UTF-8, named in LC_ALL.

#include <gtest/gtest.h>

#include <clocale>
#include <map>

#include <QCoreApplication>

#include "highscore/datum_text.h"
#include "highscore/highscore_entry.h"

namespace breliko::highscore {
namespace {

TEST(DatumTextSystemLocaleTest, TheEntryTakesTheSystemsDateForm) {
  const QByteArray locale = qgetenv("LC_ALL");
  // The first 17 characters of 5 March 2024, 14:02:07: the German form fills
  // them exactly, the C form loses its seconds.
  const std::map<QByteArray, QString> stored = {
      {"C.UTF-8", QStringLiteral("5 Mar 2024 14:02:")},
      {"de_DE.UTF-8", QStringLiteral("05.03.24 14:02:07")}};
  const auto expected = stored.find(locale);
  ASSERT_NE(expected, stored.end()) << "run with LC_ALL=C.UTF-8 or LC_ALL=de_DE.UTF-8";
  if (std::setlocale(LC_ALL, "") == nullptr) {
    GTEST_SKIP() << locale.constData()
                 << " is not generated on this machine; tools/deps.sh generates it";
  }

  // The game's own start-up takes the system locale in the same way.
  int argc = 1;
  char name[] = "breliko";
  char* argv[] = {name, nullptr};
  const QCoreApplication application(argc, argv);
  const QDateTime moment(QDate(2024, 3, 5), QTime(14, 2, 7));
  EXPECT_EQ(AsStored({1, QString(), DatumText(moment)}).Datum, expected->second);
}

}  // namespace
}  // namespace breliko::highscore
