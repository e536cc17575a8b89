// Main window: the images of the tiles, the joker, the blocker and the flames.
#pragma once

#include <QImage>

namespace breliko::ui {

// The images of picF(0) to picF(9): the seven colour tiles (red, orange,
// yellow, green, cyan, blue, magenta), the joker, the flame and the blocker.
inline constexpr int kFieldImageCount = 10;
inline constexpr int kFieldImageSize = 62;  // the size of a board field

// A field's picture: which of picF's images, and whether with its symbol
// (see tile_symbols.h).
struct TilePicture {
  int index = 0;         // 0..9, as picF
  bool symbols = false;  // the colour tiles carry their symbols

  bool operator==(const TilePicture&) const = default;
};

// The one cache of the field pictures, drawn on first use and kept for the
// whole run: `devicePixels` square, the bevel rings `ringPixels` wide each,
// the device pixel ratio devicePixels / 62. Every call for one picture and
// size returns the same object, so fields that show it share one picture
// and can be compared by identity; the joker, the flames and the blocker
// are the same image with symbols or without. Throws std::out_of_range for
// an index outside 0..9.
const QImage& TileImage(TilePicture picture, int devicePixels = kFieldImageSize,
                        int ringPixels = 1);

}  // namespace breliko::ui
