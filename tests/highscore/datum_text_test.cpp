#include "highscore/datum_text.h"

#include <gtest/gtest.h>

#include "highscore/highscore_entry.h"

namespace breliko::highscore {
namespace {

const QDateTime kMoment(QDate(2024, 3, 5), QTime(14, 2, 7));

TEST(DatumTextTest, AGermanDateFillsTheSeventeenCharactersExactly) {
  const QString text = DatumText(kMoment, QLocale(QLocale::German, QLocale::Germany));
  EXPECT_TRUE(text.startsWith(QStringLiteral("05.03.24 14:02:07"))) << text.toStdString();
  EXPECT_EQ(AsStored({1, "", text}).Datum, QStringLiteral("05.03.24 14:02:07"));
}

TEST(DatumTextTest, ALongerFormLosesItsLastCharacters) {
  const QString text = DatumText(kMoment, QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_TRUE(text.startsWith(QStringLiteral("3/5/24 2:02:07 PM"))) << text.toStdString();
  EXPECT_EQ(AsStored({1, "", text}).Datum, QStringLiteral("3/5/24 2:02:07 PM"));
}

}  // namespace
}  // namespace breliko::highscore
