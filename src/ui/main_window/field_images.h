// Main window: the images of the tiles, the joker, the blocker and the flames.
#pragma once

#include <QImage>

namespace breliko::ui {

// The images of picF(0) to picF(9): the seven colour tiles (red, orange,
// yellow, green, cyan, blue, magenta), the joker, the flame and the blocker.
inline constexpr int kFieldImageCount = 10;
inline constexpr int kFieldImageSize = 62;  // the size of a board field

// The image of picF(index), drawn on first use and kept for the whole run.
// Every call with the same index returns the same object, so fields that
// copy it share one picture and can be compared by identity (cacheKey()).
// Throws std::out_of_range for an index outside 0..9.
const QImage& FieldImage(int index);

// The same picture drawn for a screen of finer pixels: `devicePixels`
// square, its bevel rings `ringPixels` wide each, its device pixel ratio
// devicePixels / 62. Made on first use and kept; for 62 and 1 it is
// FieldImage(index) itself. Throws std::out_of_range as FieldImage does.
const QImage& FieldImageOnDevice(int index, int devicePixels, int ringPixels);

// Which picF image a picture is (by identity), or -1 for none of them.
int FieldImageIndex(const QImage& picture);

}  // namespace breliko::ui
