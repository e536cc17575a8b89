// Highscore windows: Form2, the list of the ten best players.
#include "ui/highscore_windows/highscore_list_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "highscore/console_report.h"
#include "highscore/highscore_file.h"
#include "ui/common/fonts.h"
#include "ui/common/widget_colours.h"
#include "ui/highscore_windows/highscore_controls.h"

namespace breliko::ui {

namespace {

constexpr QSize kGroesse{392, 267};

struct Spalte {
  int left;
  int width;
  Qt::Alignment alignment;
};

constexpr Spalte kRang{32, 19, Qt::AlignHCenter};
constexpr Spalte kWert{66, 30, Qt::AlignRight};
constexpr Spalte kPerson{113, 136, Qt::AlignLeft};
constexpr Spalte kDatum{267, 93, Qt::AlignHCenter};

constexpr int kErsteZeileOben = 20;
constexpr int kZeilenAbstand = 20;
constexpr int kZeilenHoehe = 19;

// Gold, then paler for second and third place; the rest white.
constexpr std::array<QColor, 3> kPodestFarben{QColor(255, 255, 0), QColor(255, 255, 128),
                                              QColor(255, 255, 192)};

constexpr QRect kCmdWeiter{287, 233, 73, 20};
constexpr QColor kCmdWeiterRand{192, 192, 192};
constexpr QRect kLblMeldung{32, 233, 245, 20};
constexpr QColor kMeldungFarbe{160, 0, 0};

const QString kSpeicherFehler = QStringLiteral("Ne eblis konservi la highscore.");

QRect Zelle(const Spalte& spalte, int zeile) {
  return {spalte.left, kErsteZeileOben + kZeilenAbstand * zeile, spalte.width, kZeilenHoehe};
}

QColor Zeilenfarbe(int zeile) {
  return zeile < int(kPodestFarben.size()) ? kPodestFarben[zeile] : QColor(Qt::white);
}

// A text box shows its text from the first character, trailing blanks and all.
void TextSetzen(QLineEdit* box, const QString& text) {
  box->setText(text);
  box->setCursorPosition(0);
}

}  // namespace

Form2::Form2(QWidget* parent) : HighscoreDialog(kGroesse, QStringLiteral("Highscore"), parent) {
  for (int zeile = 0; zeile < kZeilen; ++zeile) {
    const QColor farbe = Zeilenfarbe(zeile);
    txtRang[zeile] = MakeTextBox(this, Zelle(kRang, zeile), kRang.alignment, farbe);
    txtRang[zeile]->setText(QString::number(zeile + 1));
    txtRang[zeile]->setEnabled(false);
    txtWert[zeile] = MakeTextBox(this, Zelle(kWert, zeile), kWert.alignment, farbe);
    txtWert[zeile]->setReadOnly(true);
    txtPerson[zeile] = MakeTextBox(this, Zelle(kPerson, zeile), kPerson.alignment, farbe);
    txtPerson[zeile]->setReadOnly(true);
    txtDatum[zeile] = MakeTextBox(this, Zelle(kDatum, zeile), kDatum.alignment, farbe);
    NameThePlace(zeile);
  }
  for (QLineEdit* zelle : {txtRang[kVersteckteZeile], txtWert[kVersteckteZeile],
                           txtPerson[kVersteckteZeile], txtDatum[kVersteckteZeile]}) {
    zelle->setVisible(false);
  }

  cmdWeiter = MakeGreenButton(this, kCmdWeiter, QStringLiteral("&kontinui"), SudEuroFont(kSmallPx));
  SetPaletteColour(cmdWeiter, QPalette::Window, kCmdWeiterRand);
  cmdWeiter->setAutoFillBackground(true);
  connect(cmdWeiter, &QPushButton::clicked, this, &Form2::cmdWeiter_Click);
  TastenKnoepfe(cmdWeiter, cmdWeiter);

  lblMeldung = new QLabel(this);
  lblMeldung->setGeometry(kLblMeldung);
  lblMeldung->setFont(SudEuroFont(kSmallPx));
  SetPaletteColour(lblMeldung, QPalette::WindowText, kMeldungFarbe);
  lblMeldung->setVisible(false);
}

// A screen reader reads the list as ten places, each box named by its
// place: "loko 3", "loko 3, poentoj", "loko 3, nomo", "loko 3, dato".
void Form2::NameThePlace(int zeile) {
  const QString loko = QStringLiteral("loko %1").arg(zeile + 1);
  txtRang[zeile]->setAccessibleName(loko);
  txtWert[zeile]->setAccessibleName(loko + QStringLiteral(", poentoj"));
  txtPerson[zeile]->setAccessibleName(loko + QStringLiteral(", nomo"));
  txtDatum[zeile]->setAccessibleName(loko + QStringLiteral(", dato"));
}

void Form2::ZeileZeigen(int zeile, const highscore::HighscoreEntry& eintrag) {
  TextSetzen(txtWert[zeile], QString::number(eintrag.Wert));
  TextSetzen(txtPerson[zeile], eintrag.Person);
  TextSetzen(txtDatum[zeile], eintrag.Datum);
}

void Form2::ZeilenZeigen(const highscore::HighscoreList& liste) {
  for (int zeile = 0; zeile < kZeilen; ++zeile) ZeileZeigen(zeile, liste[zeile]);
}

void Form2::SpeicherFehlerMelden(const QString& grund) {
  lblMeldung->setText(kSpeicherFehler);
  lblMeldung->setVisible(true);
  highscore::ReportOnConsole(kSpeicherFehler + QStringLiteral(" (") + grund + u')');
}

void Form2::NachDemSpeichernZeigen(const highscore::HighscoreFile& datei,
                                   const highscore::WriteResult& ergebnis) {
  if (ergebnis.ok) {
    MeldungLoeschen();
  } else {
    // The list as it stands in the file, so that nothing lost looks saved.
    ZeilenZeigen(datei.ReadList());
    SpeicherFehlerMelden(datei.Path() + QStringLiteral(": ") + ergebnis.problem);
  }
  Anzeigen(cmdWeiter);
}

void Form2::MeldungLoeschen() {
  lblMeldung->clear();
  lblMeldung->setVisible(false);
}

void Form2::cmdWeiter_Click() { hide(); }

}  // namespace breliko::ui
