#include "ui/highscore_dialog.h"

#include <cmath>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace breliko::ui {

namespace {

constexpr float kTwipsProPixel = 15.0f;

// (screen − window) / 2 in twips, back in whole pixels.
int CentredStart(int screenPixels, int windowPixels) {
  const float twips =
      (float(screenPixels) * kTwipsProPixel - float(windowPixels) * kTwipsProPixel) / 2.0f;
  return int(std::floor(twips / kTwipsProPixel));
}

}  // namespace

HighscoreDialog::HighscoreDialog(QSize clientSize, const QString& titel, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      leinwand_(clientSize, QImage::Format_RGB32) {
  setFixedSize(clientSize);
  setWindowTitle(titel);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kHintergrund);
  setPalette(palette);
  leinwand_.fill(kHintergrund);
}

void HighscoreDialog::Form_Load() {
  const QScreen* bildschirm = QGuiApplication::primaryScreen();
  if (bildschirm == nullptr) return;
  const QRect flaeche = bildschirm->geometry();
  move(flaeche.left() + CentredStart(flaeche.width(), width()),
       flaeche.top() + CentredStart(flaeche.height(), height()));
}

void HighscoreDialog::RechteckZeichnen(QPoint von, QPoint bis) {
  QPainter maler(&leinwand_);
  maler.setPen(QPen(palette().color(QPalette::WindowText), 1));
  maler.drawRect(QRect(von, bis).normalized().adjusted(0, 0, -1, -1));
  update();
}

void HighscoreDialog::Anzeigen(QWidget* fokus) {
  // A window that is already open comes to the front; a hidden one opens there.
  if (isVisible()) {
    raise();
  } else {
    show();
  }
  activateWindow();
  if (fokus != nullptr) fokus->setFocus(Qt::OtherFocusReason);
}

void HighscoreDialog::paintEvent(QPaintEvent* event) {
  QPainter maler(this);
  maler.drawImage(event->rect(), leinwand_, event->rect());
}

}  // namespace breliko::ui
