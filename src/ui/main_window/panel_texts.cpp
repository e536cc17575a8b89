// Main window: the texts of the rules and information panels.
#include "ui/main_window/panel_texts.h"

#include <QStringList>

namespace breliko::ui {

namespace {

constexpr QLatin1String kLineBreak("\r\n");

QString Blanks(int count) { return QString(count, QLatin1Char(' ')); }

// A paragraph of the rules and the blank lines that set it off from what
// comes before it.
struct Paragraph {
  int blankLinesBefore;
  const char16_t* text;
};

constexpr int kParagraphIndent = 6;
constexpr int kRulesBlankLineWidth = 40;

constexpr Paragraph kRules[] = {
    {1, u"La celo de la ludo estas kolekti kiel eble plej multe da poentoj."},
    {2,
     u"Poentojn oni gajnas, movante kampojn per trenado kaj demetado tiel, "
     u"ke ili formu striojn aŭ kvadratojn el samkoloraj kampoj. Movi eblas "
     u"nur okupitajn kampojn, kaj oni povas laŭplaĉe movi ilin trans aliajn "
     u"kampojn. Strio estas kvin kampoj en horizontala, vertikala aŭ "
     u"diagonala vico; kvadrato estas bloko de tri foje tri kampoj."},
    {2,
     u"Komence de la ludo, kaj post ĉiu movo, per kiu solviĝas neniu strio "
     u"kaj neniu kvadrato, okupiĝas tri kampoj."},
    {2,
     u"Strio aŭ kvadrato solviĝas tuj, kiam ĝi estas formita, kaj la "
     u"ludanto ricevas kvar poentojn por strio aŭ dek sep poentojn por "
     u"kvadrato."},
    {2, u"La ludo finiĝas, kiam ĉiuj kampoj estas okupitaj."},
    {2,
     u"Post kiam kvadrato formiĝis kaj solviĝis, la ludanto ricevas krom la "
     u"dek sep poentoj ankaŭ aldonan rekompencon: ĉiuj kampoj de hazarde "
     u"elektita koloro solviĝas fulmrapide."},
    {2,
     u"Foje-foje la samo okazas tute hazarde, sendepende de strioj kaj "
     u"kvadratoj."},
    {2,
     u"Aliflanke, de tempo al tempo iu kampo estas por ĉiam okupata de "
     u"griz-nigra kampo."},
    {2,
     u"La multkoloraj kampoj uzeblas kiel kampoj de ajna koloro: ili estas "
     u"ĵokeroj."},
    {2,
     u"La arbo dekstre havas nenion komunan kun la ludo mem. Ĝi kreskas "
     u"denove ĉe ĉiu strio aŭ kvadrato, kiu formiĝas kaj solviĝas, kaj "
     u"ĉiufoje ĝi estas arbo, kiu neniam antaŭe ekzistis."},
    {1, u"Multan plezuron!"},
};

}  // namespace

QString RulesText() {
  QString text;
  for (const Paragraph& paragraph : kRules) {
    for (int i = 0; i < paragraph.blankLinesBefore; ++i) {
      text += Blanks(kRulesBlankLineWidth) + kLineBreak;
    }
    text += Blanks(kParagraphIndent) + QString::fromUtf16(paragraph.text) + kLineBreak;
  }
  return text;
}

QString InformationText() {
  const QStringList lines = {
      Blanks(118),
      Blanks(123),
      Blanks(119),
      Blanks(139),
      QStringLiteral("BRELIKO"),
      QStringLiteral("versio 1.01"),
      QStringLiteral("8.99"),
      QStringLiteral("aŭtoro: la teamo de BRELIKO"),
      QStringLiteral("kontakto: breliko@example.org"),
      Blanks(119),
      QStringLiteral("tabulludo"),
      Blanks(10),
      Blanks(19),
      Blanks(9),
      Blanks(6),
      Blanks(10),
      Blanks(9),
      Blanks(20),
      Blanks(11),
      Blanks(140),
      Blanks(1),
      Blanks(3),
      Blanks(12),
      QStringLiteral("La desegnaĵo de la fraktala arbo"),
      QStringLiteral("sekvas klasikan rikuran algoritmon"),
      QStringLiteral("de branĉiĝantaj fraktalaj arboj."),
      QString(),  // the text ends with a line break
  };
  return lines.join(kLineBreak);
}

}  // namespace breliko::ui
