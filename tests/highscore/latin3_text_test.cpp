#include "highscore/latin3_text.h"

#include <gtest/gtest.h>

namespace breliko::highscore {
namespace {

struct EncodeCase {
  const char* name;
  QString text;
  QByteArray bytes;
};

class ToLatin3Test : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(ToLatin3Test, GivesTheCodePageBytes) {
  EXPECT_EQ(ToLatin3(GetParam().text).toHex(' '), GetParam().bytes.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ToLatin3Test,
    ::testing::Values(
        EncodeCase{"Ascii", QStringLiteral("Zamenhof"), QByteArray("Zamenhof")},
        EncodeCase{"SmallEsperantoLetters", QStringLiteral("ĉĝĥĵŝŭ"),
                   QByteArray::fromHex("e6f8b6bcfefd")},
        EncodeCase{"CapitalEsperantoLetters", QStringLiteral("ĈĜĤĴŜŬ"),
                   QByteArray::fromHex("c6d8a6acdedd")},
        EncodeCase{"LatinOneLetters", QStringLiteral("Müller"), QByteArray("M\xfcller")},
        EncodeCase{"EuroSignHasNoByte", QStringLiteral("a€b"), QByteArray("a?b")},
        EncodeCase{"CyrillicHasNoByte", QStringLiteral("Иван"), QByteArray("????")},
        EncodeCase{"CharacterBeyondTheBasicPlaneIsOneQuestionMark",
                   QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("b"),
                   QByteArray("a?b")},
        EncodeCase{"DecomposedLetterIsComposedFirst", QStringLiteral("c\u0302io"),
                   QByteArray::fromHex("e6696f")},
        // Half of a surrogate pair is no character either. At the end of the
        // text the converter used to hold it back, waiting for its other
        // half, and the name lost it without a trace.
        EncodeCase{"LoneHighSurrogateAtTheEndIsAQuestionMark",
                   QStringLiteral("ab") + QChar(char16_t(0xD800)), QByteArray("ab?")},
        EncodeCase{
            "LoneSurrogatesInTheMiddleAreQuestionMarks",
            QStringLiteral("a") + QChar(char16_t(0xD800)) + u'b' + QChar(char16_t(0xDC00)) + u'c',
            QByteArray("a?b?c")}),
    [](const auto& info) { return std::string(info.param.name); });

// What the name box keeps of a paste: the characters the file can hold.
TEST(ToLatin3Test, WithoutAStandInACharacterWithoutAByteIsLeftOut) {
  EXPECT_EQ(ToLatin3(QStringLiteral("Łódź ĉu?"), std::nullopt), QByteArray("\xf3"
                                                                           "d \xe6u?"));
  EXPECT_EQ(ToLatin3(QStringLiteral("a") + QChar(char16_t(0xD800)), std::nullopt), QByteArray("a"));
}

TEST(ToLatin3FieldTest, CutsOrPadsToTheWidth) {
  EXPECT_EQ(ToLatin3Field(QStringLiteral("abc"), 5), QByteArray("abc  "));
  EXPECT_EQ(ToLatin3Field(QStringLiteral("abcdefg"), 5), QByteArray("abcde"));
  EXPECT_EQ(ToLatin3Field(QString(), 3), QByteArray("   "));
  // Each missing character takes one byte, so the width still holds.
  EXPECT_EQ(ToLatin3Field(QStringLiteral("€€€€€€"), 4), QByteArray("????"));
}

TEST(FromLatin3Test, ReadsOneCharacterPerByte) {
  EXPECT_EQ(FromLatin3(QByteArray::fromHex("e6f8b6bcfefd")), QStringLiteral("ĉĝĥĵŝŭ"));
  EXPECT_EQ(FromLatin3(QByteArray("M\xfcller  ")), QStringLiteral("Müller  "));
}

TEST(FromLatin3Test, UndefinedBytesShowAsReplacementCharacters) {
  // a5, ae, be, c3, d0, e3 and f0 have no character in ISO-8859-3.
  const QString text = FromLatin3(QByteArray::fromHex("41a5aebec3d0e3f042"));
  EXPECT_EQ(text, QStringLiteral("A\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDB"));
}

}  // namespace
}  // namespace breliko::highscore
