// Windows: the game's fonts, sized in pixels so the layout does not depend on the screen.
#pragma once

#include <QFont>

namespace breliko::ui {

// The window design names two fonts at point sizes for a 96 dpi screen. We
// take DejaVu Sans for both (it has every Esperanto letter) and set the sizes
// in pixels, so the layout does not change with the screen's resolution.
// Point sizes translate as 8.25 pt = 11 px, 12 pt = 16 px, 24 pt = 32 px.
QFont SudEuroFont(int pixelSize, bool bold = false);    // "Ariel SudEuro"
QFont SansSerifFont(int pixelSize, bool bold = false);  // "MS Sans Serif"

inline constexpr int kSmallPx = 11;   // 8.25 pt
inline constexpr int kMediumPx = 16;  // 12 pt
inline constexpr int kLargePx = 32;   // 24 pt

}  // namespace breliko::ui
