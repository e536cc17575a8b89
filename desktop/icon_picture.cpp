// Desktop: the game's icon, a square of tiles about to dissolve, in the
// game's own tile images.
#include "icon_picture.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "ui/main_window/field_images.h"

namespace breliko::desktop {

namespace {

constexpr int kRed = 0;
constexpr int kJoker = 7;
constexpr std::array<int, 9> kIconFields = {kRed, kRed, kRed, kRed, kJoker, kRed, kRed, kRed, kRed};
constexpr int kGap = 2;
constexpr int kField = ui::kFieldImageSize;

QImage IconPixels() {
  QImage pixels(IconSide(), IconSide(), QImage::Format_ARGB32);
  pixels.fill(Qt::transparent);
  QPainter painter(&pixels);
  for (int i = 0; i < static_cast<int>(kIconFields.size()); ++i) {
    const QPoint place((i % 3) * (kField + kGap), (i / 3) * (kField + kGap));
    painter.drawImage(place, ui::TileImage({kIconFields[i], false}));
  }
  return pixels;
}

// A run of equal pixels in one row, open to growing downwards.
struct Run {
  int left;
  int right;  // one past the last pixel
  QRgb colour;
  int top;
};

// Cuts the picture into rectangles: runs of one colour in each row, and a
// run continued by the same run in the next row grows into a taller
// rectangle. A tile's flat middle thus becomes one rectangle, and each of
// its bevel rings a few.
std::vector<IconRect> RectsOf(const QImage& pixels) {
  std::vector<IconRect> rects;
  std::vector<Run> open;
  const auto close = [&rects](const Run& run, int bottom) {
    rects.push_back({QRect(run.left, run.top, run.right - run.left, bottom - run.top), run.colour});
  };
  for (int y = 0; y <= pixels.height(); ++y) {
    std::vector<Run> row;
    for (int x = 0; y < pixels.height() && x < pixels.width();) {
      const QRgb colour = pixels.pixel(x, y);
      int end = x + 1;
      while (end < pixels.width() && pixels.pixel(end, y) == colour) ++end;
      if (qAlpha(colour) != 0) row.push_back({x, end, colour, y});
      x = end;
    }
    std::vector<Run> stillOpen;
    for (Run& run : row) {
      const auto same = std::find_if(open.begin(), open.end(), [&run](const Run& above) {
        return above.left == run.left && above.right == run.right && above.colour == run.colour;
      });
      if (same != open.end()) {
        run.top = same->top;
        open.erase(same);
      }
      stillOpen.push_back(run);
    }
    for (const Run& ended : open) close(ended, y);
    open = std::move(stillOpen);
  }
  return rects;
}

}  // namespace

int IconSide() { return 3 * kField + 2 * kGap; }

std::vector<IconRect> IconRects() { return RectsOf(IconPixels()); }

QString IconSvg(const std::vector<IconRect>& rects) {
  const int side = IconSide();
  QString svg = QStringLiteral(
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                    "viewBox=\"0 0 %1 %1\" shape-rendering=\"crispEdges\">\n")
                    .arg(side);
  for (const IconRect& r : rects) {
    svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
               .arg(r.rect.x())
               .arg(r.rect.y())
               .arg(r.rect.width())
               .arg(r.rect.height())
               .arg(QColor(r.colour).name());
  }
  return svg + QStringLiteral("</svg>\n");
}

QImage IconImage(const std::vector<IconRect>& rects, int side) {
  // Drawn crisp at a whole multiple of the 1x picture, then scaled down
  // smoothly: small icons keep the tiles' colours, large ones their bevels.
  const int factor = (side + IconSide() - 1) / IconSide();
  QImage large(IconSide() * factor, IconSide() * factor, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::transparent);
  QPainter painter(&large);
  painter.scale(factor, factor);
  for (const IconRect& r : rects) painter.fillRect(r.rect, QColor(r.colour));
  painter.end();
  return large.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace breliko::desktop
