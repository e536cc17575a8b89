// Highscore windows: the base of the three small fixed-size windows.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

namespace breliko::ui {

// What the three small windows of the highscore share: no frame, a fixed
// size, the pale green background, centring on the screen when loaded, and
// drawing that stays, held in a backing image that paintEvent puts back.
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
  // drawn once and kept for the whole run.
  void RechteckZeichnen(QPoint von, QPoint bis);

  // Shows the window without waiting for it, brings it forward and puts the
  // input focus on `fokus`.
  void Anzeigen(QWidget* fokus);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage leinwand_;
};

}  // namespace breliko::ui
