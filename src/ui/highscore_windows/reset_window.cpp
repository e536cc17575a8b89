// Highscore windows: Form4, the question before the list is reset.
#include "ui/highscore_windows/reset_window.h"

#include <QLabel>
#include <QPushButton>

#include "highscore/highscore_changes.h"
#include "ui/common/fonts.h"
#include "ui/highscore_windows/highscore_controls.h"
#include "ui/highscore_windows/highscore_list_window.h"

namespace breliko::ui {

// Where the controls lie, named apart from the other windows' places.
namespace form4 {

constexpr QSize kGroesse{250, 144};
constexpr QRect kLblFrage{19, 41, 215, 18};
constexpr QRect kCmdJa{43, 80, 66, 24};
constexpr QRect kCmdNein{142, 80, 66, 24};

}  // namespace form4

Form4::Form4(Form2* liste, const highscore::HighscoreFile* datei, QWidget* parent)
    : HighscoreDialog(form4::kGroesse, QString(), parent), liste_(liste), datei_(datei) {
  lblFrage = MakeQuestion(this, form4::kLblFrage,
                          QStringLiteral("Ĉu efektive vi volas dissolvigi la highscore?"), false);
  // The window has no title: a screen reader names it by its question,
  // whose two answers are its buttons.
  setAccessibleName(lblFrage->text());
  cmdJa = MakeGreenButton(this, form4::kCmdJa, QStringLiteral("&jes"), SudEuroFont(kSmallPx));
  cmdNein = MakeGreenButton(this, form4::kCmdNein, QStringLiteral("&ne"), SudEuroFont(kSmallPx));
  connect(cmdJa, &QPushButton::clicked, this, &Form4::cmdJa_Click);
  connect(cmdNein, &QPushButton::clicked, this, &Form4::cmdNein_Click);
  TastenKnoepfe(nullptr, cmdNein);

  setTabOrder(cmdJa, cmdNein);
  cmdJa->setFocus();
}

void Form4::cmdJa_Click() {
  hide();
  const highscore::WriteResult geleert = highscore::ResetList(*datei_);
  liste_->ZeilenZeigen(datei_->ReadList());
  liste_->NachDemSpeichernZeigen(*datei_, geleert);
  emit ListeGeaendert();
}

void Form4::cmdNein_Click() { hide(); }

}  // namespace breliko::ui
