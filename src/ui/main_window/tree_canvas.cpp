// Main window: picCanvas, the picture box beside the board where the fractal tree grows.
#include "ui/main_window/tree_canvas.h"

#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <vector>

#include "game/random_source.h"
#include "ui/common/device_pixels.h"

namespace breliko::ui {

namespace {

// The classic sunken edge: grey outside and dark grey inside along the top
// and left, white outside and light grey inside along the bottom and right.
struct EdgeRing {
  QColor topLeft;
  QColor bottomRight;
};
const std::array<EdgeRing, 2> kSunkenEdge = {{
    {QColor(128, 128, 128), QColor(255, 255, 255)},
    {QColor(64, 64, 64), QColor(212, 208, 200)},
}};

// A twip is a fifteenth of a pixel, so a 5-twip segment of a branch is a
// third of a pixel; pixel p covers twips 15p to 15p + 14.
QPointF ToPixels(tree::Integer x, tree::Integer y) {
  constexpr double kScale = 1.0 / TreeCanvas::kTwipsPerPixel;
  return QPointF(x * kScale, y * kScale);
}

// Round ends make the short segments of a thick branch join into one
// smooth stroke.
QPen PenOfWidth(int widthPixels) {
  return QPen(QColor(TreeCanvas::kForeColor), std::max(1, widthPixels), Qt::SolidLine, Qt::RoundCap,
              Qt::RoundJoin);
}

// A smooth line needs no corner every third of a pixel: keeps the points of
// a chain a pixel apart or more, and its last one. Where a twig wiggles
// most, the line drawn strays from it by about a tenth of a pixel.
QPolygonF Thinned(const QPolygonF& chain) {
  constexpr qreal kStep = 1.0;
  QPolygonF thinned;
  thinned.reserve(chain.size());
  for (const QPointF& point : chain) {
    if (thinned.isEmpty() || QLineF(thinned.last(), point).length() >= kStep) {
      thinned.append(point);
    }
  }
  if (thinned.last() != chain.last()) thinned.append(chain.last());
  return thinned;
}

}  // namespace

TreeCanvas::TreeCanvas(QWidget* parent) : QWidget(parent), backColor_(kDesignBackColor) {
  setFixedSize(kOuterSize, kOuterSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  MatchDeviceRatio(devicePixelRatio());
}

void TreeCanvas::SetBackColor(const QColor& color) {
  backColor_ = color;
  Cls();
}

void TreeCanvas::Cls() {
  lines_.clear();
  image_.fill(backColor_);
  update();
}

void TreeCanvas::MatchDeviceRatio(qreal ratio) {
  if (!image_.isNull() && image_.devicePixelRatio() == ratio) return;
  const int side = DeviceLength(kInnerSize, ratio);
  image_ = QImage(side, side, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(backColor_);
  PaintLines(lines_);
}

QSize TreeCanvas::DeviceSize(qreal ratio) {
  const int side = DeviceLength(kInnerSize, ratio) + 2 * kBorderWidth * DeviceLineWidth(ratio);
  return QSize(side, side);
}

QRectF TreeCanvas::Area() const { return area_.isEmpty() ? QRectF(rect()) : area_; }

void TreeCanvas::Place(const DevicePlacement& placement) {
  setFixedSize(placement.geometry.size());
  move(placement.geometry.topLeft());
  area_ = placement.area;
  setAttribute(Qt::WA_OpaquePaintEvent, area_ == QRectF(rect()));
  update();
}

void TreeCanvas::DrawLine(const tree::Line& line) {
  lines_.push_back(line);
  PaintLines({&line, 1});
}

void TreeCanvas::DrawTree(game::RandomSource& random,
                          const std::function<void()>& letPendingEventsRun) {
  random.Reseed();

  std::vector<tree::Line> lines;
  tree::FractalTree tree([&random] { return random.Next(); },
                         [&lines](const tree::Line& line) { lines.push_back(line); }, drawWidth_);
  tree.PlaceTrunkFoot(ScaleWidth(), ScaleHeight());

  Cls();
  // The emptied canvas gets shown, and clicks and timer ticks that waited
  // get their turn, before the new tree is drawn in one go.
  letPendingEventsRun();

  tree.DrawTree(ScaleHeight());
  drawWidth_ = tree.DrawWidth();
  lines_.insert(lines_.end(), lines.begin(), lines.end());
  PaintLines(lines);
}

void TreeCanvas::PaintLines(std::span<const tree::Line> lines) {
  QPainter painter(&image_);
  // Whole pixels at 1x, as the canvas always drew; on finer screens the
  // branches come out smooth.
  const bool smooth = image_.devicePixelRatio() != 1;
  painter.setRenderHint(QPainter::Antialiasing, smooth);
  // A branch comes as a chain of segments a third of a pixel long. Painted
  // as one polyline with round joins it looks the same as its segments one
  // by one, at a fraction of the cost.
  QPolygonF chain;
  const tree::Line* previous = nullptr;
  const auto paintChain = [&] {
    if (previous != nullptr) {
      painter.setPen(PenOfWidth(previous->widthPixels));
      painter.drawPolyline(smooth ? Thinned(chain) : chain);
      chain.clear();
    }
  };
  for (const tree::Line& line : lines) {
    const bool continues = previous != nullptr && line.widthPixels == previous->widthPixels &&
                           line.x1 == previous->x2 && line.y1 == previous->y2;
    if (!continues) {
      paintChain();
      chain.append(ToPixels(line.x1, line.y1));
    }
    chain.append(ToPixels(line.x2, line.y2));
    previous = &line;
  }
  paintChain();
  update();
}

// Each ring of the edge is a line of device pixels all round; the top-right
// and bottom-left corners belong to the bottom and right sides.
void TreeCanvas::PaintSunkenEdge(QPainter& painter, qreal ratio) const {
  const QRectF area = Area();
  const QSize device = DeviceSize(ratio);
  const int width = device.width();
  const int height = device.height();
  const auto fill = [&](int x, int y, int w, int h, const QColor& colour) {
    painter.fillRect(QRectF(area.x() + x / ratio, area.y() + y / ratio, w / ratio, h / ratio),
                     colour);
  };
  const int line = DeviceLineWidth(ratio);
  for (int ring = 0; ring < kBorderWidth * line; ++ring) {
    const EdgeRing& colours = kSunkenEdge.at(ring / line);
    const int far = width - 1 - ring;
    const int bottom = height - 1 - ring;
    fill(ring, ring, far - ring, 1, colours.topLeft);
    fill(ring, ring, 1, bottom - ring, colours.topLeft);
    fill(ring, bottom, far - ring + 1, 1, colours.bottomRight);
    fill(far, ring, 1, bottom - ring + 1, colours.bottomRight);
  }
}

void TreeCanvas::paintEvent(QPaintEvent* /*event*/) {
  const qreal ratio = devicePixelRatio();
  MatchDeviceRatio(ratio);
  QPainter painter(this);
  PaintSunkenEdge(painter, ratio);
  const QRectF area = Area();
  const qreal border = kBorderWidth * DeviceLineWidth(ratio) / ratio;
  painter.drawImage(QRectF(area.topLeft() + QPointF(border, border),
                           QSizeF(image_.width() / ratio, image_.height() / ratio)),
                    image_);
}

}  // namespace breliko::ui
