// Highscore windows: their owner, which loads the three windows at start.
#include "ui/highscore_windows/highscore_windows.h"

#include <algorithm>
#include <limits>
#include <utility>

#include <QCoreApplication>
#include <QPushButton>

#include "ui/highscore_windows/highscore_list_window.h"
#include "ui/highscore_windows/name_entry_window.h"
#include "ui/highscore_windows/reset_window.h"

namespace breliko::ui {

namespace {

// Qt polishes every new control at the event loop's next pass, which at
// start comes before the main window's first paint. A hidden window polishes
// its controls when it first shows, so the early polish only delays the game.
void PolierenBeimZeigen(HighscoreDialog* fenster) {
  QCoreApplication::removePostedEvents(fenster, QEvent::PolishRequest);
  for (QWidget* control : fenster->findChildren<QWidget*>()) {
    QCoreApplication::removePostedEvents(control, QEvent::PolishRequest);
  }
}

// The box traces the edge of the client area, first pixel to last.
void LadenUndUmrahmen(HighscoreDialog* fenster) {
  fenster->Form_Load();
  fenster->RechteckZeichnen({0, 0}, {fenster->width() - 1, fenster->height() - 1});
  PolierenBeimZeigen(fenster);
}

}  // namespace

HighscoreWindows::HighscoreWindows(QWidget* hauptfenster, std::function<void()> listenTon,
                                   highscore::HighscoreFile datei)
    : hauptfenster_(hauptfenster), datei_(std::move(datei)), listenTon_(std::move(listenTon)) {
  form2_ = new Form2(hauptfenster_);
  LadenUndUmrahmen(form2_);
  form3_ = new Form3(form2_, &datei_, hauptfenster_);
  LadenUndUmrahmen(form3_);
  form4_ = new Form4(form2_, &datei_, hauptfenster_);
  LadenUndUmrahmen(form4_);

  connect(form3_, &Form3::ListeGeaendert, this, &HighscoreWindows::ListeGeaendert);
  connect(form4_, &Form4::ListeGeaendert, this, &HighscoreWindows::ListeGeaendert);
}

// With a main window the windows would go with it; without one they are ours.
HighscoreWindows::~HighscoreWindows() {
  delete form4_.data();
  delete form3_.data();
  delete form2_.data();
}

int HighscoreWindows::HighscoreGrenzeLesen() const { return datei_.ReadHighscoreGrenze(); }

void HighscoreWindows::cmdHighscoreAnzeigen_Click() {
  if (listenTon_) listenTon_();
  Form2* liste = form2();
  liste->ZeilenZeigen(datei_.ReadList());
  liste->MeldungLoeschen();
  liste->cmdWeiter->setText(QStringLiteral("reiri"));
  liste->Anzeigen(liste->cmdWeiter);
}

void HighscoreWindows::Zeigen() { cmdHighscoreAnzeigen_Click(); }

void HighscoreWindows::NeuerHighscore(int punkte, const QString& anlass) {
  // The file holds 16 bits; the game's score never leaves that range.
  using Limits = std::numeric_limits<qint16>;
  form3()->setAccessibleName(anlass);
  form3()->NamenErfragen(qint16(std::clamp<int>(punkte, Limits::min(), Limits::max())));
}

void HighscoreWindows::cmdHighscoreErneuern_Click() { form4()->Anzeigen(nullptr); }

void HighscoreWindows::ListeGeaendert() { emit HighscoreGrenzeGeaendert(HighscoreGrenzeLesen()); }

}  // namespace breliko::ui
