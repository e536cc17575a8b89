// Main window: symbols on the colour tiles, for players who cannot tell the colours apart.
#include "ui/main_window/tile_symbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

#include "ui/main_window/field_images.h"

namespace breliko::ui {

namespace {

// Shapes are laid out on a tile of 62 × 62 with the origin in its middle;
// they reach at most 14 from it, leaving the bevel and a margin free.
constexpr double kDesignSize = 62.0;
constexpr double kReach = 14.0;

enum class Shape { kDisc, kTriangle, kSquare, kDiamond, kCross, kRing, kStar };

constexpr std::array<Shape, kSymbolColourCount> kShapes = {
    Shape::kDisc,  Shape::kTriangle, Shape::kSquare, Shape::kDiamond,
    Shape::kCross, Shape::kRing,     Shape::kStar,
};

// A point `reach` away from the middle, `turns` of a full turn clockwise
// from straight up.
QPointF Spoke(double reach, double turns) {
  const double angle = 2 * std::numbers::pi * turns;
  return {reach * std::sin(angle), -reach * std::cos(angle)};
}

QPolygonF RegularPolygon(int corners, double reach) {
  QPolygonF polygon;
  for (int corner = 0; corner < corners; ++corner) {
    polygon << Spoke(reach, static_cast<double>(corner) / corners);
  }
  return polygon;
}

QPolygonF Star() {
  constexpr int kPoints = 5;
  constexpr double kInnerReach = kReach * 0.42;
  QPolygonF star;
  for (int corner = 0; corner < 2 * kPoints; ++corner) {
    star << Spoke(corner % 2 == 0 ? kReach : kInnerReach,
                  static_cast<double>(corner) / (2 * kPoints));
  }
  return star;
}

QPainterPath Outline(Shape shape) {
  QPainterPath path;
  switch (shape) {
    case Shape::kDisc:
      path.addEllipse(QPointF(0, 0), kReach - 1, kReach - 1);
      break;
    case Shape::kTriangle:
      // Pushed down a little, so that its weight sits in the middle.
      path.addPolygon(RegularPolygon(3, kReach + 1).translated(0, 2.5));
      break;
    case Shape::kSquare:
      path.addRect(QRectF(-kReach + 3, -kReach + 3, 2 * kReach - 6, 2 * kReach - 6));
      break;
    case Shape::kDiamond:
      path.addPolygon(RegularPolygon(4, kReach));
      break;
    case Shape::kCross: {
      constexpr double kArm = 4.5;  // half the width of a bar
      path.addRect(QRectF(-kArm, -kReach, 2 * kArm, 2 * kReach));
      path.addRect(QRectF(-kReach, -kArm, 2 * kReach, 2 * kArm));
      path.setFillRule(Qt::WindingFill);
      break;
    }
    case Shape::kRing:
      path.addEllipse(QPointF(0, 0), kReach, kReach);
      path.addEllipse(QPointF(0, 0), kReach - 5, kReach - 5);  // the hole, by odd-even filling
      break;
    case Shape::kStar:
      path.addPolygon(Star());
      break;
  }
  path.closeSubpath();
  return path;
}

// Dark tiles (red, blue and magenta) get a pale symbol, the others a deep shade
// of their own colour: both read as clearly in grey as in colour.
QColor SymbolTone(const QColor& tile) {
  const double luminance = 0.2126 * tile.redF() + 0.7152 * tile.greenF() + 0.0722 * tile.blueF();
  constexpr double kDarkTile = 0.3;
  if (luminance < kDarkTile) {
    const auto pale = [](int component) { return component + (255 - component) * 9 / 10; };
    return {pale(tile.red()), pale(tile.green()), pale(tile.blue())};
  }
  return {tile.red() / 5, tile.green() / 5, tile.blue() / 5};
}

}  // namespace

void DrawTileSymbol(QImage& tile, int colour) {
  const QSizeF size = tile.deviceIndependentSize();
  const QColor tone = SymbolTone(tile.pixelColor(tile.width() / 2, tile.height() / 2));
  QPainter painter(&tile);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(size.width() / 2, size.height() / 2);
  painter.scale(size.width() / kDesignSize, size.height() / kDesignSize);
  painter.fillPath(Outline(kShapes.at(colour)), tone);
}

}  // namespace breliko::ui
