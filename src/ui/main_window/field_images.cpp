// Main window: the images of the tiles, the joker, the blocker and the flames.
#include "ui/main_window/field_images.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace breliko::ui {

namespace {

constexpr int kSize = kFieldImageSize;
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

// ---------------------------------------------------------------------------
// The bevel: four one-pixel rings round the edge that make a field look
// raised, lit from the top left.

constexpr int kBevelWidth = 4;

enum class Edge { kNone, kLight, kDark };

struct BevelPlace {
  Edge edge;
  int ring;  // 0 is the outermost ring
};

BevelPlace BevelAt(int x, int y) {
  const int ring = std::min({x, y, kSize - 1 - x, kSize - 1 - y});
  if (ring >= kBevelWidth) return {Edge::kNone, ring};
  // The lit top and left edges run through the top-right and bottom-left
  // corners; only the bottom-right corner is in shadow.
  const bool lit = x == ring || y == ring;
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

void DrawBevel(QImage& image, const RingShader& shade) {
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const BevelPlace place = BevelAt(x, y);
      if (place.edge != Edge::kNone) {
        image.setPixel(x, y, shade(image.pixel(x, y), place));
      }
    }
  }
}

// ---------------------------------------------------------------------------
// The ground patterns under the bevel.

QImage BlankImage() { return QImage(kSize, kSize, QImage::Format_RGB32); }

int CellOf(int pixel, int cells) { return pixel * cells / kSize; }

QImage Tile(QRgb colour) {
  QImage image = BlankImage();
  image.fill(colour);
  DrawBevel(image, ShadeTowardsEdge);
  return image;
}

QImage Joker() {
  QImage image = BlankImage();
  for (int y = 0; y < kSize; ++y) {
    const int row = CellOf(y, kJokerCells);
    for (int x = 0; x < kSize; ++x) {
      const int column = CellOf(x, kJokerCells);
      // One step right is the next colour, one step down the previous one,
      // so each colour runs down to the right in a diagonal band.
      const int colour = ((column - row) % kColourCount + kColourCount) % kColourCount;
      image.setPixel(x, y, kTileColours[colour]);
    }
  }
  DrawBevel(image, ShadeTowardsEdge);
  return image;
}

QImage Blocker() {
  QImage image = BlankImage();
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool black = (CellOf(x, kBlockerCells) + CellOf(y, kBlockerCells)) % 2 == 0;
      image.setPixel(x, y, black ? kBlockerBlack : kBlockerGrey);
    }
  }
  DrawBevel(image, BlockerRing);
  return image;
}

// ---------------------------------------------------------------------------
// The flame: a heat map of value noise, stretched upwards and swayed from
// side to side so that its cool parts form rising, flickering tongues, and
// somewhat cooler towards the top. The coolest pixels become red streaks,
// the next ones orange, the rest yellow; splitting by rank keeps those
// shares whatever the noise does.

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

double Heat(int x, int y) {
  const double sway = 6.0 * (SmoothNoise(x / 9.0 + 20, y / 9.0) - 0.5);
  const double swayedX = x + sway;
  const double tongues = SmoothNoise(swayedX / 4.0, y / 16.0);
  const double streaks = SmoothNoise(swayedX / 1.5, y / 10.0 + 40);
  const double nearTheTop = 1.0 - static_cast<double>(y) / (kSize - 1);
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

QImage Flame() {
  std::vector<double> heats;
  heats.reserve(static_cast<std::size_t>(kSize) * kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) heats.push_back(Heat(x, y));
  }
  const double redBelow = HeatRank(heats, kRedShare);
  const double orangeBelow = HeatRank(heats, kRedShare + kOrangeShare);
  const double hottest = *std::max_element(heats.begin(), heats.end());

  QImage image = BlankImage();
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double heat = heats[y * kSize + x];
      image.setPixel(x, y, FlameColour(heat, redBelow, orangeBelow, hottest));
    }
  }
  return image;
}

std::array<QImage, kFieldImageCount> DrawAll() {
  std::array<QImage, kFieldImageCount> images;
  for (int colour = 0; colour < kColourCount; ++colour) {
    images[colour] = Tile(kTileColours[colour]);
  }
  images[7] = Joker();
  images[8] = Flame();
  images[9] = Blocker();
  return images;
}

}  // namespace

const QImage& FieldImage(int index) {
  static const std::array<QImage, kFieldImageCount> images = DrawAll();
  return images.at(index);
}

}  // namespace breliko::ui
