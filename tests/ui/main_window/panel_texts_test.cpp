#include "ui/main_window/panel_texts.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <utility>
#include <vector>

namespace breliko::ui {
namespace {

QStringList Lines(const QString& text) { return text.split(QStringLiteral("\r\n")); }

bool IsBlank(const QString& line) {
  return !line.isEmpty() && line.count(QLatin1Char(' ')) == line.size();
}

int LeadingBlanks(const QString& line) {
  int count = 0;
  while (count < line.size() && line[count] == QLatin1Char(' ')) ++count;
  return count;
}

// The panels' texts are held as ISO-8859-3 text, so every letter must be
// plain ASCII or one of the Esperanto letters; a stray "c^" or a mangled
// UTF-8 byte would show up here.
void ExpectEsperantoCharactersOnly(const QString& text) {
  const QString esperanto = QStringLiteral("ĉĝĥĵŝŭĈĜĤĴŜŬ");
  for (QChar c : text) {
    const bool printableAscii = c.unicode() >= 0x20 && c.unicode() < 0x7f;
    const bool lineBreak = c == QLatin1Char('\r') || c == QLatin1Char('\n');
    EXPECT_TRUE(printableAscii || lineBreak || esperanto.contains(c))
        << "U+" << std::hex << static_cast<int>(c.unicode());
  }
}

TEST(RulesText, HasThirtyOneLinesEachEndedByALineBreak) {
  const QString text = RulesText();
  EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
  const QStringList lines = Lines(text);
  ASSERT_EQ(lines.size(), 32);  // the break after the last line leaves nothing
  EXPECT_TRUE(lines.last().isEmpty());
  EXPECT_EQ(text.count(QLatin1Char('\n')), 31) << "no bare line feeds";
  EXPECT_EQ(text.count(QLatin1Char('\r')), 31) << "no bare carriage returns";
}

TEST(RulesText, BlankLinesOpenTheTextAndPartElevenIndentedParagraphs) {
  QStringList lines = Lines(RulesText());
  lines.removeLast();
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_TRUE(IsBlank(lines.first()));

  QStringList paragraphs;
  bool previousWasBlank = false;
  for (const QString& line : lines) {
    SCOPED_TRACE(line.toStdString());
    if (IsBlank(line)) {
      EXPECT_GE(line.size(), 19);
      EXPECT_LE(line.size(), 142);
      previousWasBlank = true;
      continue;
    }
    EXPECT_TRUE(previousWasBlank) << "paragraphs must be set apart by blank lines";
    const int indent = LeadingBlanks(line);
    EXPECT_TRUE(indent == 5 || indent == 6) << indent;
    paragraphs << line.mid(indent);
    previousWasBlank = false;
  }
  ASSERT_EQ(paragraphs.size(), 11);
  EXPECT_EQ(paragraphs.last(), QStringLiteral("Multan plezuron!"));
  for (const QString& paragraph : paragraphs) {
    EXPECT_FALSE(paragraph.endsWith(QLatin1Char(' '))) << paragraph.toStdString();
  }
}

TEST(RulesText, SpeaksOfJokersInEsperantoLetters) {
  const QString text = RulesText();
  EXPECT_TRUE(text.contains(QStringLiteral("ĵokeroj")));
  EXPECT_TRUE(text.contains(QStringLiteral("dek sep")));
  EXPECT_TRUE(text.contains(QStringLiteral("kvin")));
  ExpectEsperantoCharactersOnly(text);
}

TEST(InformationText, HasTwentySevenLinesTheLastOneEmpty) {
  const QString text = InformationText();
  EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
  const QStringList lines = Lines(text);
  ASSERT_EQ(lines.size(), 27);
  EXPECT_TRUE(lines.last().isEmpty());
  ExpectEsperantoCharactersOnly(text);
}

TEST(InformationText, SpacesTitlesAndCreditsSitOnTheirLines) {
  const QStringList lines = Lines(InformationText());
  ASSERT_EQ(lines.size(), 27);

  const std::vector<std::pair<int, int>> blankLines = {
      {0, 118}, {1, 123}, {2, 119}, {3, 139}, {9, 119},  {11, 10}, {12, 19}, {13, 9},  {14, 6},
      {15, 10}, {16, 9},  {17, 20}, {18, 11}, {19, 140}, {20, 1},  {21, 3},  {22, 12},
  };
  for (const auto& [line, spaces] : blankLines) {
    EXPECT_EQ(lines[line], QString(spaces, QLatin1Char(' '))) << "line " << line;
  }

  EXPECT_EQ(lines[4], QStringLiteral("BRELIKO"));
  EXPECT_EQ(lines[5], QStringLiteral("versio 1.01"));
  EXPECT_EQ(lines[6], QStringLiteral("8.99"));
  EXPECT_EQ(lines[10], QStringLiteral("tabulludo"));

  // Author, contact and the three credit lines: worded freely, but words.
  for (int line : {7, 8, 23, 24, 25}) {
    EXPECT_FALSE(lines[line].trimmed().isEmpty()) << "line " << line;
  }
  EXPECT_TRUE(lines[24].contains(QStringLiteral("rikura")));
}

}  // namespace
}  // namespace breliko::ui
