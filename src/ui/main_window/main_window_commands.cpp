// The small commands of the main window: sound, base colour, panels,
// highscore and quit.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "ui/common/button_keys.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/main_window/base_colour.h"
#include "ui/main_window/board_input.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/spoken_news.h"

namespace breliko::ui {

using namespace form1;

// A tile held with the keys is put back first: it belonged to the old game.
// A screen reader then tells where the first tiles lie.
void Form1::cmdSpielStarten_Click() {
  input_->PutBack();
  story_.Started();
  game_.cmdSpielStarten_Click();
  news_->Tell(story_.Take());
}

void Form1::cmdSpielAbbrechen_Click() {
  input_->PutBack();
  story_.Cancelled();
  game_.cmdSpielAbbrechen_Click();
  news_->Tell(story_.Take());
}

// The switch's caption names what the next click does, and the click reads
// the state from it.
void Form1::cmdTonEinschaltenAusschalten_Click() {
  QPushButton* sound = ui_.buttons[kTonEinschaltenAusschalten];
  if (sound->text() == QString::fromUtf8(kSoundOnCaption)) {
    sound->setText(QString::fromUtf8(kSoundOffCaption));
    game_.SetTonAn(true);
  } else {
    sound->setText(QString::fromUtf8(kSoundOnCaption));
    game_.SetTonAn(false);
  }
}

// All fields share one base colour, so field 0 tells which it is.
void Form1::cmdFelderGrundfarbe_Click() {
  const auto next = NextBaseColour(ui_.picP[0]->BackColor());
  if (next) SetBaseColour(*next);
}

void Form1::cmdSpielregeln_Click() {
  ui_.txtInformation->hide();
  ui_.txtSpielregeln->setVisible(!ui_.txtSpielregeln->isVisible());
  if (ui_.txtSpielregeln->isVisible()) ui_.txtSpielregeln->raise();
}

void Form1::cmdInformation_Click() {
  ui_.txtSpielregeln->hide();
  ui_.txtInformation->setVisible(!ui_.txtInformation->isVisible());
  if (ui_.txtInformation->isVisible()) ui_.txtInformation->raise();
}

// Escape closes an open panel; with a tile in hand on the board it puts
// the tile back instead, before it gets here.
// Enter on a focused button presses it, as in the small windows.
void Form1::keyPressEvent(QKeyEvent* event) {
  if (CommandOf(*event) == KeyCommand::kBack &&
      (ui_.txtSpielregeln->isVisible() || ui_.txtInformation->isVisible())) {
    HidePanels();
    return;
  }
  if (PressButtonFor(*event, *this, nullptr, nullptr)) return;
  QWidget::keyPressEvent(event);
}

void Form1::cmdHighscoreAnzeigen_Click() { highscore_->cmdHighscoreAnzeigen_Click(); }

void Form1::cmdHighscoreErneuern_Click() { highscore_->cmdHighscoreErneuern_Click(); }

void Form1::cmdProgrammBeenden_Click() {
  hide();
  ProgrammBeenden();
}

// Closed by the desktop (the window has no close box of its own), the
// program ends as by its quit button instead of running on unseen.
void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  ProgrammBeenden();
}

// Leaving the event loop takes effect only when control gets back to it. A
// quit that ran inside a tree, in the middle of a drop, first tells the game,
// which then gives up the rest of the drop; the timer's tick never comes.
void Form1::ProgrammBeenden() {
  game_.Beenden();
  ui_.tmrTimer->stop();
  if (quit_) quit_();
}

}  // namespace breliko::ui
