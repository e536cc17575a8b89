// Main window: symbols on the colour tiles, for players who cannot tell the colours apart.
#pragma once

#include <QImage>

#include "ui/main_window/field_images.h"

namespace breliko::ui {

// Red, orange, yellow, green, cyan, blue and magenta each get a shape of
// their own: a disc, a triangle, a square, a diamond, a cross, a ring and a
// star, so that the colour of a tile can be read without seeing colours.
inline constexpr int kSymbolColourCount = 7;

// Draws the symbol of `colour` (0 red .. 6 magenta) into the middle of a
// tile image, well inside its bevel, in a tone that stands out from the
// tile: dark on the light colours, light on the dark blue. Works at any
// device pixel ratio of the image.
void DrawTileSymbol(QImage& tile, int colour);

}  // namespace breliko::ui
