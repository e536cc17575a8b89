// Main window: picCanvas, the picture box beside the board where the fractal tree grows.
#include "ui/main_window/tree_canvas.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QPalette>
#include <QPointF>
#include <QPolygonF>

#include <algorithm>
#include <vector>

#include "game/random_source.h"

namespace breliko::ui {

namespace {

// The classic sunken edge: grey outside and dark grey inside along the top
// and left, white outside and light grey inside along the bottom and right.
QPalette SunkenEdgePalette() {
  QPalette palette;
  palette.setColor(QPalette::Dark, QColor(128, 128, 128));
  palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
  palette.setColor(QPalette::Light, QColor(255, 255, 255));
  palette.setColor(QPalette::Midlight, QColor(212, 208, 200));
  return palette;
}

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

}  // namespace

TreeCanvas::TreeCanvas(QWidget* parent)
    : QWidget(parent),
      image_(kInnerSize, kInnerSize, QImage::Format_RGB32),
      backColor_(kDesignBackColor) {
  setFixedSize(kOuterSize, kOuterSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_.fill(backColor_);
}

void TreeCanvas::SetBackColor(const QColor& color) {
  backColor_ = color;
  Cls();
}

void TreeCanvas::Cls() {
  image_.fill(backColor_);
  update();
}

void TreeCanvas::DrawLine(const tree::Line& line) { PaintLines({&line, 1}); }

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
  PaintLines(lines);
}

void TreeCanvas::PaintLines(std::span<const tree::Line> lines) {
  QPainter painter(&image_);
  // A branch comes as a chain of segments a third of a pixel long. Painted
  // as one polyline with round joins it looks the same as its segments one
  // by one, at a fraction of the cost.
  QPolygonF chain;
  const tree::Line* previous = nullptr;
  const auto paintChain = [&] {
    if (previous != nullptr) {
      painter.setPen(PenOfWidth(previous->widthPixels));
      painter.drawPolyline(chain);
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

void TreeCanvas::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), SunkenEdgePalette(), true);
  painter.drawImage(kBorderWidth, kBorderWidth, image_);
}

}  // namespace breliko::ui
