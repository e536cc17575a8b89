// Highscore windows: the base of the three small fixed-size windows.
#include "ui/highscore_windows/highscore_dialog.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/common/centring.h"
#include "ui/common/widget_colours.h"

namespace breliko::ui {

HighscoreDialog::HighscoreDialog(QSize clientSize, const QString& titel, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      leinwand_(clientSize, QImage::Format_RGB32) {
  setFixedSize(clientSize);
  setWindowTitle(titel);
  SetPaletteColour(this, QPalette::Window, kHintergrund);
  leinwand_.fill(kHintergrund);
}

void HighscoreDialog::Form_Load() { CentreOnScreen(*this); }

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
