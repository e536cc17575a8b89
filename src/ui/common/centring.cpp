// Windows: centring a window on the screen.
#include "ui/common/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace breliko::ui {

namespace {

constexpr float kTwipsPerPixel = 15.0F;

// (screen − window) / 2 in twips, back in whole pixels.
int CentredStart(int screenPixels, int windowPixels) {
  const float twips =
      (float(screenPixels) * kTwipsPerPixel - float(windowPixels) * kTwipsPerPixel) / 2.0F;
  return int(std::floor(twips / kTwipsPerPixel));
}

}  // namespace

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  window.move(area.left() + CentredStart(area.width(), window.width()),
              area.top() + CentredStart(area.height(), window.height()));
}

}  // namespace breliko::ui
