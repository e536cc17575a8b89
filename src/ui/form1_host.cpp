// What the game asks of the main window.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

#include "ui/field_box.h"
#include "ui/field_images.h"
#include "ui/form1.h"
#include "ui/highscore_windows.h"
#include "ui/sound_output.h"
#include "ui/tree_canvas.h"
#include "ui/window_frame.h"
#include "game/sounds.h"

namespace breliko::ui {

using namespace form1;

void Form1::FieldChanged(int index) {
  const game::Field& field = game_.picP(index);
  picP_[index]->SetPicture(field.HasPicture() ? &FieldImage(field.Picture) : nullptr);
  picP_[index]->setEnabled(field.Enabled);
}

void Form1::ScoreChanged(int punkte) { lblPunkte_->setText(QString::number(punkte)); }

void Form1::PlaySound(const std::string& file, int flags) { sound_.Play(file, flags); }

void Form1::cmdGo_Click() {
  picCanvas_->DrawTree(random_, [] { QCoreApplication::processEvents(); });
}

void Form1::RahmenZeichnen() {
  QPainter painter(&drawing_);
  DrawFrame(painter);
  update();
}

// A new background colour wipes whatever was drawn on the window.
void Form1::SetWindowColour(game::Rgb colour) {
  backColor_ = QColor(colour.r, colour.g, colour.b);
  drawing_.fill(backColor_);
  QPalette palette = lblBreliko_->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Window, backColor_);
  }
  lblBreliko_->setPalette(palette);
  update();
}

// Switching on a running timer leaves its 400 ms running: one tick still
// empties every field marked by then.
void Form1::SetTimerEnabled(bool enabled) {
  if (!enabled) {
    tmrTimer_->stop();
  } else if (!tmrTimer_->isActive()) {
    tmrTimer_->start();
  }
}

void Form1::HidePanels() {
  txtInformation_->hide();
  txtSpielregeln_->hide();
}

void Form1::SetStartButtonVisible(bool visible) {
  QPushButton* start = buttons_[kSpielStarten];
  start->setVisible(visible);
  if (visible) start->setFocus();
}

void Form1::PrepareWindow() {
  SetBaseColour(kStartBaseColour);
  QPalette palette = lblBreliko_->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, kStartBaseColour);
  }
  lblBreliko_->setPalette(palette);
  picCanvas_->SetBackColor(kStartBaseColour);
  RahmenZeichnen();
  CentreOnScreen();
}

void Form1::SetBaseColour(const QColor& colour) {
  for (FieldBox* field : picP_) field->SetBackColor(colour);
}

// Centred by the screen size alone, also on a screen smaller than the
// window, which then hangs over the edges.
void Form1::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  constexpr float kTwipsPerPixel = 15.0F;
  const QSize screenSize = screen->geometry().size();
  const float left = (screenSize.width() * kTwipsPerPixel - kWidth * kTwipsPerPixel) / 2.0F;
  const float top = (screenSize.height() * kTwipsPerPixel - kHeight * kTwipsPerPixel) / 2.0F;
  move(qRound(left / kTwipsPerPixel), qRound(top / kTwipsPerPixel));
}

void Form1::LoadDialogs() {
  highscore_ = std::make_unique<HighscoreWindows>(
      this, [this] { game_.TonSpielen(game::kSoundHighscore, game::kSoundAsync); }, highscoreFile_);
  connect(highscore_.get(), &HighscoreWindows::HighscoreGrenzeGeaendert, this,
          [this](int grenze) { game_.SetHighscoreGrenze(grenze); });
}

int Form1::ReadHighscoreThreshold() { return highscore_->HighscoreGrenzeLesen(); }

void Form1::RequestHighscoreEntry(int punkte) { highscore_->NeuerHighscore(punkte); }

}  // namespace breliko::ui
