// The date of an entry as the game takes it: from the locale of the system
// the game runs under, not from a locale a test picks, and from the clock
// of the place it runs in. CTest runs this under C.UTF-8 and de_DE.UTF-8,
// named in LC_ALL, and under de_DE.UTF-8 once more in Berlin's time zone.

#include <gtest/gtest.h>

#include <clocale>
#include <ctime>
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

// The local time of `moment` in the strftime form `form`.
QString LocalTime(std::time_t moment, const char* form) {
  std::tm local{};
  localtime_r(&moment, &local);
  char text[64] = {};
  std::strftime(text, sizeof text, form, &local);
  return QString::fromLocal8Bit(text);
}

// The entry's moment is the wall clock of the player's place: east of UTC
// (TZ=Europe/Berlin) a moment taken in UTC would read an hour or two early.
TEST(DatumTextSystemLocaleTest, TheEntryTakesTheLocalClock) {
  const QByteArray locale = qgetenv("LC_ALL");
  // The same forms as above, as the C library writes them.
  const std::map<QByteArray, const char*> forms = {{"C.UTF-8", "%-d %b %Y %H:%M:%S"},
                                                   {"de_DE.UTF-8", "%d.%m.%y %H:%M:%S"}};
  const auto form = forms.find(locale);
  ASSERT_NE(form, forms.end()) << "run with LC_ALL=C.UTF-8 or LC_ALL=de_DE.UTF-8";
  if (std::setlocale(LC_ALL, "") == nullptr) {
    GTEST_SKIP() << locale.constData()
                 << " is not generated on this machine; tools/deps.sh generates it";
  }
  int argc = 1;
  char name[] = "breliko";
  char* argv[] = {name, nullptr};
  const QCoreApplication application(argc, argv);
  // Read again if the clock passed a second meanwhile.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::time_t before = std::time(nullptr);
    const QString stored = AsStored({1, QString(), DatumText()}).Datum;
    if (std::time(nullptr) != before) continue;
    EXPECT_EQ(stored.toStdString(),
              AsStored({1, QString(), LocalTime(before, form->second)}).Datum.toStdString());
    return;
  }
  FAIL() << "the clock passed a second during every reading";
}

}  // namespace
}  // namespace breliko::highscore
