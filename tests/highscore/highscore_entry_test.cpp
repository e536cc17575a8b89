#include "highscore/highscore_entry.h"

#include <gtest/gtest.h>

#include "record_bytes.h"

namespace breliko::highscore {
namespace {

using breliko::testing::Record;

struct RecordCase {
  const char* name;
  HighscoreEntry entry;
  QByteArray bytes;
};

class ToRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(ToRecordTest, LaysTheEntryOutInThirtyNineBytes) {
  const QByteArray record = ToRecord(GetParam().entry);
  ASSERT_EQ(record.size(), 39);
  EXPECT_EQ(record.toHex(' '), GetParam().bytes.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ToRecordTest,
    ::testing::Values(
        RecordCase{"Empty", HighscoreEntry{}, Record(0)},
        RecordCase{"ScoreOfHundred",
                   {100, "Ana", "05.03.24 14:02:07"},
                   Record(100, "Ana", "05.03.24 14:02:07")},
        RecordCase{"ScoreAboveOneByte", {1234, "", ""}, Record(1234)},
        RecordCase{"NegativeScore", {-2, "", ""}, QByteArray::fromHex("feff") + Record(0).mid(2)},
        RecordCase{"NameOfTwentyFiveCutToTwenty",
                   {7, "Abcdefghijklmnopqrstuvwxy", ""},
                   Record(7, "Abcdefghijklmnopqrst")},
        RecordCase{"EmptyNameIsBlank", {7, "", "x"}, Record(7, "", "x")},
        RecordCase{"LongDateCutToSeventeen",
                   {7, "", "3/5/24 2:02:07 PM UTC"},
                   Record(7, "", "3/5/24 2:02:07 PM")},
        RecordCase{"EsperantoName",
                   {9, QStringLiteral("ĉĝĥĵŝŭ"), ""},
                   Record(9, QByteArray::fromHex("e6f8b6bcfefd"))},
        // A character beyond the code page, two UTF-16 units, is one "?".
        RecordCase{"LastCharacterOutsideTheCodePage",
                   {9, QStringLiteral("Ana \U0001F600"), ""},
                   Record(9, "Ana ?")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FromRecordTest, ReadsAWholeRecordWithItsBlanks) {
  const HighscoreEntry entry = FromRecord(Record(300, "Eva", "01.01.24 10:00:00"));
  EXPECT_EQ(entry.Wert, 300);
  EXPECT_EQ(entry.Person, QStringLiteral("Eva                 "));
  EXPECT_EQ(entry.Datum, QStringLiteral("01.01.24 10:00:00"));
}

TEST(FromRecordTest, ARecordCutShortKeepsItsBytesAndTheRestIsBlank) {
  const QByteArray whole = Record(0x0102, "Eva", "01.01.24");

  EXPECT_EQ(FromRecord({}), HighscoreEntry{});
  EXPECT_EQ(FromRecord(whole.left(1)).Wert, 0x02);

  const HighscoreEntry half = FromRecord(whole.left(20));
  EXPECT_EQ(half.Wert, 0x0102);
  EXPECT_EQ(half.Person, QStringLiteral("Eva                 "));
  EXPECT_EQ(half.Datum, QString(17, u' '));

  const HighscoreEntry mostly = FromRecord(whole.left(26));
  EXPECT_EQ(mostly.Datum, QStringLiteral("01.0             "));
}

TEST(AsStoredTest, GivesWhatTheFileWillGiveBack) {
  const HighscoreEntry stored =
      AsStored({5, QStringLiteral("Ĵurnalisto kun € kaj ankoraŭ pli"), "d"});
  EXPECT_EQ(stored.Person, QStringLiteral("Ĵurnalisto kun ? kaj"));
  EXPECT_EQ(stored.Datum, QStringLiteral("d                "));
}

}  // namespace
}  // namespace breliko::highscore
