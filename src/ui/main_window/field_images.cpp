// Main window: the images of the tiles, the joker, the blocker and the flames.
#include "ui/main_window/field_images.h"

#include "ui/main_window/tile_symbols.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace breliko::ui {

namespace {

constexpr int kColourCount = 7;

// In colour-index order; the joker's bands repeat them in the same order.
constexpr std::array<QRgb, kColourCount> kTileColours = {
    qRgb(255, 0, 0),    // red
    qRgb(255, 196, 0),  // orange
    qRgb(255, 255, 0),  // yellow
    qRgb(0, 255, 0),    // green
    qRgb(0, 255, 255),  // cyan
    qRgb(0, 0, 255),    // blue
    qRgb(255, 0, 255),  // magenta
};

constexpr int kJokerCells = 7;    // cells of 8 or 9 pixels
constexpr int kBlockerCells = 4;  // cells of 15 or 16 pixels
constexpr QRgb kBlockerBlack = qRgb(0, 0, 0);
constexpr QRgb kBlockerGrey = qRgb(128, 128, 128);

// An image is drawn for a square of `size` device pixels, its bevel rings
// `ring` device pixels wide: 62 and 1 on a screen of one device pixel to the
// pixel, 124 and 2 at twice that.
struct Raster {
  int size;
  int ring;
};

// ---------------------------------------------------------------------------
// The bevel: four rings round the edge, one pixel wide each at 1x, that make
// a field look raised, lit from the top left.

constexpr int kBevelWidth = 4;

enum class Edge { kNone, kLight, kDark };

struct BevelPlace {
  Edge edge;
  int ring;  // 0 is the outermost ring
};

BevelPlace BevelAt(int x, int y, Raster raster) {
  const int last = raster.size - 1;
  const int fromEdge = std::min({x, y, last - x, last - y});
  const int ring = fromEdge / raster.ring;
  if (ring >= kBevelWidth) return {Edge::kNone, ring};
  // The lit top and left edges run through the top-right and bottom-left
  // corners, on a mitre along the diagonal; the bottom-right corner is in
  // shadow.
  const bool lit = x == fromEdge || y == fromEdge;
  return {lit ? Edge::kLight : Edge::kDark, ring};
}

// Each ring pulls a component part of the way to white (lit edge) or black
// (shadowed edge): 160/255 of the way on the outermost ring and 40/255 less
// on each ring further in. An empty component thus reads 160, 120, 80, 40
// on the lit edge and a full one 95, 135, 175, 215 in the shadow, while a
// full component stays full in the light and an empty one stays empty in
// the shadow; anything between (the orange's 196) is rounded to the nearest.
constexpr int kRingStep = 40;

int ShareOfTheWay(int distance, int ring) {
  const int share = kRingStep * (kBevelWidth - ring);
  return (distance * share + 127) / 255;
}

int Lighten(int component, int ring) { return component + ShareOfTheWay(255 - component, ring); }

int Darken(int component, int ring) { return component - ShareOfTheWay(component, ring); }

QRgb ShadeTowardsEdge(QRgb under, BevelPlace place) {
  const auto shade = place.edge == Edge::kLight ? Lighten : Darken;
  return qRgb(shade(qRed(under), place.ring), shade(qGreen(under), place.ring),
              shade(qBlue(under), place.ring));
}

// The blocker is darker than a tile, so a bevel computed from its own
// colours would hardly show: its rings are fixed greys instead, bright on
// the lit edge, fading towards its grey, and near black in the shadow.
constexpr std::array<int, kBevelWidth> kBlockerLightRings = {248, 218, 188, 158};
constexpr std::array<int, kBevelWidth> kBlockerDarkRings = {12, 24, 36, 48};

QRgb BlockerRing(QRgb /*under*/, BevelPlace place) {
  const auto& rings = place.edge == Edge::kLight ? kBlockerLightRings : kBlockerDarkRings;
  const int level = rings[place.ring];
  return qRgb(level, level, level);
}

using RingShader = std::function<QRgb(QRgb under, BevelPlace place)>;

void DrawBevel(QImage& image, Raster raster, const RingShader& shade) {
  for (int y = 0; y < raster.size; ++y) {
    for (int x = 0; x < raster.size; ++x) {
      const BevelPlace place = BevelAt(x, y, raster);
      if (place.edge != Edge::kNone) {
        image.setPixel(x, y, shade(image.pixel(x, y), place));
      }
    }
  }
}

// ---------------------------------------------------------------------------
// The ground patterns under the bevel.

QImage BlankImage(Raster raster) {
  QImage image(raster.size, raster.size, QImage::Format_RGB32);
  image.setDevicePixelRatio(static_cast<qreal>(raster.size) / kFieldImageSize);
  return image;
}

int CellOf(int pixel, int cells, Raster raster) { return pixel * cells / raster.size; }

QImage Tile(QRgb colour, Raster raster) {
  QImage image = BlankImage(raster);
  image.fill(colour);
  DrawBevel(image, raster, ShadeTowardsEdge);
  return image;
}

QImage Joker(Raster raster) {
  QImage image = BlankImage(raster);
  for (int y = 0; y < raster.size; ++y) {
    const int row = CellOf(y, kJokerCells, raster);
    for (int x = 0; x < raster.size; ++x) {
      const int column = CellOf(x, kJokerCells, raster);
      // One step right is the next colour, one step down the previous one,
      // so each colour runs down to the right in a diagonal band.
      const int colour = ((column - row) % kColourCount + kColourCount) % kColourCount;
      image.setPixel(x, y, kTileColours[colour]);
    }
  }
  DrawBevel(image, raster, ShadeTowardsEdge);
  return image;
}

QImage Blocker(Raster raster) {
  QImage image = BlankImage(raster);
  for (int y = 0; y < raster.size; ++y) {
    for (int x = 0; x < raster.size; ++x) {
      const bool black =
          (CellOf(x, kBlockerCells, raster) + CellOf(y, kBlockerCells, raster)) % 2 == 0;
      image.setPixel(x, y, black ? kBlockerBlack : kBlockerGrey);
    }
  }
  DrawBevel(image, raster, BlockerRing);
  return image;
}

// ---------------------------------------------------------------------------
// The flame: a heat map of value noise, stretched upwards and swayed from
// side to side so that its cool parts form rising, flickering tongues, and
// somewhat cooler towards the top. The coolest pixels become red streaks,
// the next ones orange, the rest yellow; splitting by rank keeps those
// shares whatever the noise does. The fire is one shape in the pixels of a
// field; a finer raster samples it more densely.

constexpr double kRedShare = 0.06;
constexpr double kOrangeShare = 0.20;

// A fixed hash instead of a random generator: the fire looks the same in
// every run and on every platform.
double LatticeNoise(int x, int y) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + 0x5eed1234u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<double>(h & 0xffffffu) / 0x1000000;
}

double SmoothNoise(double x, double y) {
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const auto ease = [](double t) { return t * t * (3 - 2 * t); };
  const double fx = ease(x - x0);
  const double fy = ease(y - y0);
  const double top = std::lerp(LatticeNoise(x0, y0), LatticeNoise(x0 + 1, y0), fx);
  const double bottom = std::lerp(LatticeNoise(x0, y0 + 1), LatticeNoise(x0 + 1, y0 + 1), fx);
  return std::lerp(top, bottom, fy);
}

double Heat(double x, double y) {
  const double sway = 6.0 * (SmoothNoise(x / 9.0 + 20, y / 9.0) - 0.5);
  const double swayedX = x + sway;
  const double tongues = SmoothNoise(swayedX / 4.0, y / 16.0);
  const double streaks = SmoothNoise(swayedX / 1.5, y / 10.0 + 40);
  const double nearTheTop = 1.0 - y / (kFieldImageSize - 1);
  return 0.5 * tongues + 0.5 * streaks - 0.1 * nearTheTop;
}

// The share-th coolest heat of the image.
double HeatRank(std::vector<double> heats, double share) {
  const auto nth =
      heats.begin() + static_cast<std::ptrdiff_t>(share * static_cast<double>(heats.size()));
  std::nth_element(heats.begin(), nth, heats.end());
  return *nth;
}

QRgb FlameColour(double heat, double redBelow, double orangeBelow, double hottest) {
  if (heat < redBelow) return qRgb(255, 0, 0);
  if (heat < orangeBelow) {
    const double t = (heat - redBelow) / (orangeBelow - redBelow);
    return qRgb(255, static_cast<int>(std::lround(120 + 70 * t)), 0);
  }
  const double t = (heat - orangeBelow) / (hottest - orangeBelow);
  return qRgb(255, static_cast<int>(std::lround(228 + 27 * t)), 0);
}

// Where the middle of a raster's pixel lies in the pixels of a field.
double FieldPixelOf(int pixel, Raster raster) {
  return (pixel + 0.5) * kFieldImageSize / raster.size - 0.5;
}

QImage Flame(Raster raster) {
  std::vector<double> heats;
  heats.reserve(static_cast<std::size_t>(raster.size) * raster.size);
  for (int y = 0; y < raster.size; ++y) {
    for (int x = 0; x < raster.size; ++x) {
      heats.push_back(Heat(FieldPixelOf(x, raster), FieldPixelOf(y, raster)));
    }
  }
  const double redBelow = HeatRank(heats, kRedShare);
  const double orangeBelow = HeatRank(heats, kRedShare + kOrangeShare);
  const double hottest = *std::max_element(heats.begin(), heats.end());

  QImage image = BlankImage(raster);
  for (int y = 0; y < raster.size; ++y) {
    for (int x = 0; x < raster.size; ++x) {
      const double heat = heats[static_cast<std::size_t>(y) * raster.size + x];
      image.setPixel(x, y, FlameColour(heat, redBelow, orangeBelow, hottest));
    }
  }
  return image;
}

QImage Draw(int index, Raster raster) {
  if (index < kColourCount) return Tile(kTileColours.at(index), raster);
  if (index == 7) return Joker(raster);
  if (index == 8) return Flame(raster);
  return Blocker(raster);
}

}  // namespace

const QImage& TileImage(TilePicture picture, int devicePixels, int ringPixels) {
  if (picture.index < 0 || picture.index >= kFieldImageCount) {
    throw std::out_of_range("no field image " + std::to_string(picture.index));
  }
  // Only the colour tiles carry a symbol: the joker, the flames and the
  // blocker are the same picture either way.
  const bool symbol = picture.symbols && picture.index < kSymbolColourCount;
  // A map keeps every image where it was made, so a field's picture keeps
  // its identity for the whole run.
  static std::map<std::tuple<int, bool, int, int>, QImage> made;
  const auto key = std::make_tuple(picture.index, symbol, devicePixels, ringPixels);
  auto found = made.find(key);
  if (found == made.end()) {
    QImage image = Draw(picture.index, {devicePixels, ringPixels});
    if (symbol) DrawTileSymbol(image, picture.index);
    found = made.emplace(key, std::move(image)).first;
  }
  return found->second;
}

}  // namespace breliko::ui
