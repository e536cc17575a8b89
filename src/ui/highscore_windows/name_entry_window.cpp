// Highscore windows: Form3, where a player with a new highscore enters a name.
#include "ui/highscore_windows/name_entry_window.h"

#include <utility>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "highscore/datum_text.h"
#include "highscore/highscore_changes.h"
#include "ui/common/fonts.h"
#include "ui/highscore_windows/highscore_controls.h"
#include "ui/highscore_windows/highscore_list_window.h"
#include "ui/highscore_windows/name_box_validator.h"

namespace breliko::ui {

// Where the controls lie, named apart from the other windows' places.
namespace form3 {

constexpr QSize kGroesse{219, 136};
constexpr QRect kLblFrage{53, 20, 121, 33};
constexpr QRect kTxtEingabeNamen{39, 57, 136, 19};
constexpr QRect kCmdWeiter{115, 94, 60, 19};

constexpr int kNeu = Form2::kVersteckteZeile;

}  // namespace form3

Form3::Form3(Form2* liste, const highscore::HighscoreFile* datei, QWidget* parent)
    : HighscoreDialog(form3::kGroesse, QStringLiteral("Spielername"), parent),
      liste_(liste),
      datei_(datei),
      uhr_([] { return highscore::DatumText(); }) {
  lblFrage = MakeQuestion(this, form3::kLblFrage,
                          QStringLiteral("Kiu atingis tian grandan nombron da punktoj?"), true);
  txtEingabeNamen = MakeTextBox(this, form3::kTxtEingabeNamen, Qt::AlignLeft);
  txtEingabeNamen->setAccessibleName(lblFrage->text());
  cmdWeiter = MakeGreenButton(this, form3::kCmdWeiter, QStringLiteral("&kontinui"),
                              SansSerifFont(kSmallPx));
  connect(cmdWeiter, &QPushButton::clicked, this, &Form3::cmdWeiter_Click);
  txtEingabeNamen->setValidator(new NameBoxValidator(txtEingabeNamen));
  TastenKnoepfe(cmdWeiter, nullptr);

  setTabOrder(txtEingabeNamen, cmdWeiter);
  txtEingabeNamen->setFocus();
}

void Form3::NamenErfragen(qint16 punkte) {
  wert_ = punkte;
  liste_->txtWert[form3::kNeu]->setText(QString::number(punkte));
  Anzeigen(txtEingabeNamen);
}

void Form3::cmdWeiter_Click() {
  // The score is the one that qualified at the game end, not what the main
  // window shows by now: the player may have started another game before
  // typing the name.
  liste_->txtPerson[form3::kNeu]->setText(txtEingabeNamen->text());
  liste_->txtWert[form3::kNeu]->setText(QString::number(wert_));
  liste_->txtDatum[form3::kNeu]->setText(uhr_());
  const highscore::HighscoreEntry neu = highscore::AsStored(
      {wert_, liste_->txtPerson[form3::kNeu]->text(), liste_->txtDatum[form3::kNeu]->text()});

  txtEingabeNamen->clear();
  txtEingabeNamen->setFocus();

  liste_->ZeileZeigen(form3::kNeu, neu);
  const highscore::EntryOutcome aufgenommen = highscore::AddEntry(*datei_, neu);
  liste_->ZeilenZeigen(aufgenommen.list);

  hide();
  liste_->NachDemSpeichernZeigen(*datei_, aufgenommen.saved);
  emit ListeGeaendert();
}

void Form3::setUhr(std::function<QString()> uhr) { uhr_ = std::move(uhr); }

}  // namespace breliko::ui
