// Highscore windows: the base of the three small fixed-size windows.
#include "ui/highscore_windows/highscore_dialog.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/common/button_keys.h"
#include "ui/common/centring.h"
#include "ui/common/device_pixels.h"
#include "ui/common/fonts.h"
#include "ui/common/widget_colours.h"
#include "ui/common/window_focus.h"
#include "ui/highscore_windows/highscore_controls.h"

namespace breliko::ui {

HighscoreDialog::HighscoreDialog(QSize clientSize, const QString& titel, QWidget* parent)
    // A dialog of the main window: every window manager keeps it in front of
    // its owner, so a click on the board cannot hide it.
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setFixedSize(clientSize);
  setWindowTitle(titel);
  SetPaletteColour(this, QPalette::Window, kHintergrund);
  // The controls' font unless they name their own: set once here, it costs
  // nothing per control.
  setFont(Narrowed(SansSerifFont(kSmallPx)));
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
    StileSetzen();
    show();
  }
  activateWindow();
  if (fokus != nullptr) fokus->setFocus(Qt::OtherFocusReason);
}

void HighscoreDialog::StilBeimZeigen(QWidget* control, const QString& stil) {
  stile_.emplace_back(control, stil);
}

void HighscoreDialog::StileSetzen() {
  for (const auto& [control, stil] : stile_) {
    if (control) control->setStyleSheet(stil);
  }
  stile_.clear();
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

// Closed, the window hands the keys on to another small window still open,
// else to the main window.
void HighscoreDialog::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  QWidget* owner = parentWidget();
  if (event->spontaneous() || owner == nullptr || !owner->isVisible()) return;
  QWidget* next = owner;
  for (HighscoreDialog* other : owner->findChildren<HighscoreDialog*>(Qt::FindDirectChildrenOnly)) {
    if (other != this && other->isVisible()) next = other;
  }
  TakeFocusWithoutWindowManager(*next);
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
