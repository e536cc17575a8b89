// Windows: the game's fonts, sized in pixels so the layout does not depend on the screen.
#include "ui/common/fonts.h"

namespace breliko::ui {

namespace {

QFont DejaVu(int pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

QFont SudEuroFont(int pixelSize, bool bold) { return DejaVu(pixelSize, bold); }

QFont SansSerifFont(int pixelSize, bool bold) { return DejaVu(pixelSize, bold); }

}  // namespace breliko::ui
