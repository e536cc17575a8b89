// The date of an entry as the game takes it: from the locale of the system
// the game runs under, not from a locale a test picks, and from the clock
// of the place it runs in. CTest runs this under C.UTF-8 and de_DE.UTF-8,
// named in LC_ALL, and under de_DE.UTF-8 once more in Berlin's time zone.

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <ctime>
#include <map>
#include <memory>

#include <QCoreApplication>

#include "highscore/datum_text.h"
#include "highscore/highscore_entry.h"

namespace breliko::highscore {
namespace {

// Each locale the tests run under: the first 17 characters of 5 March 2024,
// 14:02:07 (the German form fills them exactly, the C form loses its
// seconds), and the same form as the C library's strftime writes it.
struct LocaleForms {
  QString stored;
  const char* strftime;
};
const std::map<QByteArray, LocaleForms> kForms = {
    {"C.UTF-8", {QStringLiteral("5 Mar 2024 14:02:"), "%-d %b %Y %H:%M:%S"}},
    {"de_DE.UTF-8", {QStringLiteral("05.03.24 14:02:07"), "%d.%m.%y %H:%M:%S"}}};

// Takes the system locale named in LC_ALL as the game's own start-up does.
class DatumTextSystemLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QByteArray locale = qgetenv("LC_ALL");
    const auto forms = kForms.find(locale);
    ASSERT_NE(forms, kForms.end()) << "run with LC_ALL=C.UTF-8 or LC_ALL=de_DE.UTF-8";
    forms_ = forms->second;
    if (std::setlocale(LC_ALL, "") == nullptr) {
      GTEST_SKIP() << locale.constData()
                   << " is not generated on this machine; tools/deps.sh generates it";
    }
    application_ = std::make_unique<QCoreApplication>(argc_, argv_.data());
  }

  LocaleForms forms_;

 private:
  int argc_ = 1;
  char name_[8] = "breliko";
  std::array<char*, 2> argv_{name_, nullptr};
  std::unique_ptr<QCoreApplication> application_;
};

TEST_F(DatumTextSystemLocaleTest, TheEntryTakesTheSystemsDateForm) {
  const QDateTime moment(QDate(2024, 3, 5), QTime(14, 2, 7));
  EXPECT_EQ(AsStored({1, QString(), DatumText(moment)}).Datum, forms_.stored);
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
TEST_F(DatumTextSystemLocaleTest, TheEntryTakesTheLocalClock) {
  // Read again if the clock passed a second meanwhile.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::time_t before = std::time(nullptr);
    const QString stored = AsStored({1, QString(), DatumText()}).Datum;
    if (std::time(nullptr) != before) continue;
    EXPECT_EQ(stored.toStdString(),
              AsStored({1, QString(), LocalTime(before, forms_.strftime)}).Datum.toStdString());
    return;
  }
  FAIL() << "the clock passed a second during every reading";
}

}  // namespace
}  // namespace breliko::highscore
