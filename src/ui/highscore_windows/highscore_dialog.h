// Highscore windows: the base of the three small fixed-size windows.
#pragma once

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <utility>
#include <vector>

class QAbstractButton;

namespace breliko::ui {

// What the three small windows of the highscore share: no frame, a fixed
// size, the pale green background, centring on the screen when loaded, a
// place in front of the main window while open (without blocking it), and
// drawing that stays: the boxes drawn on the window, which paintEvent puts
// back on whole device pixels of whatever screen the window is on.
class HighscoreDialog : public QWidget {
  Q_OBJECT

 public:
  static constexpr QColor kHintergrund{128, 255, 128};

  HighscoreDialog(QSize clientSize, const QString& titel, QWidget* parent);

  // Centres the window on the screen. The sums are done in twips and single
  // precision, and a screen smaller than the window leaves it hanging over
  // the edge rather than moved back.
  void Form_Load();

  // A one-pixel box between two corner pixels, in the window's text colour,
  // drawn once and kept for the whole run. On a screen of a larger scale
  // its line is a whole number of device pixels wide, counted from the
  // window's edges.
  void RechteckZeichnen(QPoint von, QPoint bis);

  // Shows the window without waiting for it, brings it forward and puts the
  // input focus on `fokus`. It opens where it was loaded.
  void Anzeigen(QWidget* fokus);

  // The button Enter presses where the focus is on no button, and the one
  // Escape presses; either may be missing.
  void TastenKnoepfe(QAbstractButton* enter, QAbstractButton* escape);

  // Gives a control its style sheet when the window first shows. A sheet
  // costs more than the control itself, and the windows are loaded with
  // the main window, whose start they must not slow.
  void StilBeimZeigen(QWidget* control, const QString& stil);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void StileSetzen();

  struct Kasten {
    QRect pixel;  // from corner pixel to corner pixel, both included
    QColor farbe;
  };
  std::vector<Kasten> kaesten_;
  std::vector<std::pair<QPointer<QWidget>, QString>> stile_;
  QAbstractButton* enterKnopf_ = nullptr;
  QAbstractButton* escapeKnopf_ = nullptr;
};

}  // namespace breliko::ui
