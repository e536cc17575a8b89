// Desktop: the game's icon, a square of tiles about to dissolve, in the
// game's own tile images.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>
#include <vector>

namespace breliko::desktop {

// One flat-coloured rectangle of the icon, in its pixels at 1x.
struct IconRect {
  QRect rect;
  QRgb colour;
};

// Side of the icon at 1x: three fields and two gaps.
int IconSide();

// The icon as flat rectangles, taken from the board's own field images, so it
// shows exactly what the board shows: eight red tiles round a joker, the
// square of three by three that the joker completes. Gaps stay transparent.
std::vector<IconRect> IconRects();

// The rectangles as a scalable SVG image.
QString IconSvg(const std::vector<IconRect>& rects);

// The rectangles as a `side` x `side` picture with an alpha channel.
QImage IconImage(const std::vector<IconRect>& rects, int side);

}  // namespace breliko::desktop
