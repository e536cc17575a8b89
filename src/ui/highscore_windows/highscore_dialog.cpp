// Highscore windows: the base of the three small fixed-size windows.
#include "ui/highscore_windows/highscore_dialog.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/common/button_keys.h"
#include "ui/common/centring.h"
#include "ui/common/device_pixels.h"
#include "ui/common/widget_colours.h"

namespace breliko::ui {

HighscoreDialog::HighscoreDialog(QSize clientSize, const QString& titel, QWidget* parent)
    // A dialog of the main window: every window manager keeps it in front of
    // its owner, so a click on the board cannot hide it.
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setFixedSize(clientSize);
  setWindowTitle(titel);
  SetPaletteColour(this, QPalette::Window, kHintergrund);
}

void HighscoreDialog::Form_Load() { CentreOnScreen(*this); }

void HighscoreDialog::RechteckZeichnen(QPoint von, QPoint bis) {
  kaesten_.push_back({QRect(von, bis).normalized(), palette().color(QPalette::WindowText)});
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

void HighscoreDialog::TastenKnoepfe(QAbstractButton* enter, QAbstractButton* escape) {
  enterKnopf_ = enter;
  escapeKnopf_ = escape;
}

// Keys the focused control leaves alone come here: a button takes Space, the
// name box its letters, but neither Enter nor Escape.
void HighscoreDialog::keyPressEvent(QKeyEvent* event) {
  if (PressButtonFor(*event, *this, enterKnopf_, escapeKnopf_)) return;
  QWidget::keyPressEvent(event);
}

void HighscoreDialog::paintEvent(QPaintEvent* event) {
  QPainter maler(this);
  maler.fillRect(event->rect(), kHintergrund);
  const EdgeLines raender(size(), devicePixelRatio());
  for (const Kasten& kasten : kaesten_) {
    const QRect& r = kasten.pixel;
    for (const QRect& seite :
         {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
          QRect(r.left(), r.top(), 1, r.height()), QRect(r.right(), r.top(), 1, r.height())}) {
      maler.fillRect(raender.LogicalRect(seite), kasten.farbe);
    }
  }
}

}  // namespace breliko::ui
