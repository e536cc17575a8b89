// The symbols on the colour tiles, and the tile images they leave alone.
#include "ui/main_window/tile_symbols.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "ui/main_window/field_images.h"

namespace breliko::ui {
namespace {

constexpr int kSize = kFieldImageSize;
constexpr int kBevelWidth = 4;

std::string Digest(const QImage& image) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      const char rgb[] = {static_cast<char>(qRed(pixel)), static_cast<char>(qGreen(pixel)),
                          static_cast<char>(qBlue(pixel))};
      hash.addData(QByteArrayView(rgb, 3));
    }
  }
  return hash.result().toHex().toStdString();
}

// Without symbols the game shows exactly the pictures it always showed.
TEST(TileSymbols, TheImagesWithoutSymbolsStayAsTheyWere) {
  const std::array<const char*, kFieldImageCount> digests = {{
      "10669745619793eb6008d9a615fb51eb",
      "998aaf8dbda34bcd899f254bdb4e1326",
      "58aa2a6ba91023a1818b252f98070244",
      "c9f4272d4a0be9725ee1a3d534f88983",
      "919d64a58d3a08d03e856c5dd5a8a39f",
      "0601da89b9276701e54dfb0f9c87a993",
      "5d17bec50c7daf486eca171a26b2f07c",
      "5af40bc7b01c5cf438b43293799e986a",
      "4901fc96bd4f83a88655ab29b98599ee",
      "896d6f263210d3ef59edf67dfe3c697e",
  }};
  for (int index = 0; index < kFieldImageCount; ++index) {
    EXPECT_EQ(Digest(TileImage({index, false})), digests[index]) << index;
  }
}

// Where a symbol tile differs from the plain tile: the symbol's own shape,
// whatever its colour.
using Shape = std::array<bool, kSize * kSize>;

Shape ShapeOf(int colour) {
  Shape shape{};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      shape[y * kSize + x] =
          TileImage({colour, true}).pixel(x, y) != TileImage({colour, false}).pixel(x, y);
    }
  }
  return shape;
}

int Count(const Shape& shape) {
  return static_cast<int>(std::count(shape.begin(), shape.end(), true));
}

TEST(TileSymbols, TheSevenShapesDifferFromOneAnother) {
  std::array<Shape, kSymbolColourCount> shapes;
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    shapes[colour] = ShapeOf(colour);
    EXPECT_GE(Count(shapes[colour]), 150) << "symbol " << colour << " is too small to read";
  }
  for (int a = 0; a < kSymbolColourCount; ++a) {
    for (int b = 0; b < a; ++b) {
      Shape apart{};
      for (std::size_t i = 0; i < apart.size(); ++i) apart[i] = shapes[a][i] != shapes[b][i];
      EXPECT_GE(Count(apart), 60) << "symbols " << a << " and " << b << " look alike";
    }
  }
}

// Each symbol is big enough to read at a glance and keeps clear of the
// tile's bevel: it spans at least a third of the tile each way and lies
// wholly within the bevel and a margin of 4 pixels.
TEST(TileSymbols, EachSymbolIsReadableAndInsideItsTile) {
  constexpr int kFree = kBevelWidth + 4;
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    const Shape shape = ShapeOf(colour);
    QRect box;
    for (int i = 0; i < kSize * kSize; ++i) {
      if (shape[i]) box |= QRect(i % kSize, i / kSize, 1, 1);
    }
    EXPECT_TRUE(QRect(kFree, kFree, kSize - 2 * kFree, kSize - 2 * kFree).contains(box)) << colour;
    EXPECT_GE(box.width(), kSize / 3) << colour;
    EXPECT_GE(box.height(), kSize / 3) << colour;
  }
}

// Every symbol is centred on its tile: all are even left and right, and all
// but the triangle and the star, which point up, top and bottom as well.
TEST(TileSymbols, EachSymbolIsCentred) {
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    const Shape shape = ShapeOf(colour);
    const bool pointsUp = colour == 1 || colour == 6;
    int leftRight = 0;
    int topBottom = 0;
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const bool here = shape[y * kSize + x];
        leftRight += here != shape[y * kSize + kSize - 1 - x] ? 1 : 0;
        topBottom += here != shape[(kSize - 1 - y) * kSize + x] ? 1 : 0;
      }
    }
    // Antialiasing may round a few rim pixels differently on either side;
    // a shape a pixel off its centre differs all along its edge.
    constexpr int kRimPixels = 8;
    EXPECT_LE(leftRight, kRimPixels) << colour;
    if (!pointsUp) {
      EXPECT_LE(topBottom, kRimPixels) << colour;
    }
  }
}

// The symbol's own colour, the most common one in its shape: a pale tint on
// the dark tiles, a deep shade of their own colour on the light ones.
TEST(TileSymbols, EachSymbolHasItsTone) {
  const std::array<const char*, kSymbolColourCount> tones = {
      {"#ffe5e5", "#332700", "#333300", "#003300", "#003333", "#e5e5ff", "#ffe5ff"}};
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    const Shape shape = ShapeOf(colour);
    std::map<QRgb, int> counts;
    for (int i = 0; i < kSize * kSize; ++i) {
      if (shape[i]) ++counts[TileImage({colour, true}).pixel(i % kSize, i / kSize)];
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    EXPECT_EQ(QColor(most->first).name().toStdString(), tones[colour]) << colour;
  }
}

TEST(TileSymbols, EverySymbolTileKeepsItsBevelAndAMarginInside) {
  constexpr int kFree = kBevelWidth + 4;
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    const QImage& tile = TileImage({colour, true});
    SCOPED_TRACE(colour);
    EXPECT_EQ(tile.size(), QSize(kSize, kSize));
    EXPECT_EQ(tile.format(), TileImage({colour, false}).format());
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        if (std::min({x, y, kSize - 1 - x, kSize - 1 - y}) >= kFree) continue;
        ASSERT_EQ(tile.pixel(x, y), TileImage({colour, false}).pixel(x, y)) << x << "," << y;
      }
    }
  }
}

// The symbol must read in grey as well: its lightness lies far from the tile's.
TEST(TileSymbols, EverySymbolStandsOutFromItsTileInGrey) {
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    const Shape shape = ShapeOf(colour);
    const int tileGrey = qGray(TileImage({colour, false}).pixel(kSize / 2, 6));
    int strong = 0;
    for (int i = 0; i < kSize * kSize; ++i) {
      if (!shape[i]) continue;
      const int grey = qGray(TileImage({colour, true}).pixel(i % kSize, i / kSize));
      strong += std::abs(grey - tileGrey) >= 90 ? 1 : 0;
    }
    // Only the antialiased rim may blend into the tile.
    EXPECT_GE(strong * 10, Count(shape) * 6) << "symbol " << colour;
  }
}

TEST(TileSymbols, JokerFlamesAndBlockerKeepTheirOwnPictures) {
  for (int index = kSymbolColourCount; index < kFieldImageCount; ++index) {
    EXPECT_EQ(&TileImage({index, true}), &TileImage({index, false})) << index;
  }
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    EXPECT_EQ(&TileImage({colour, true}), &TileImage({colour, true}));
    EXPECT_NE(TileImage({colour, true}).cacheKey(), TileImage({colour, false}).cacheKey());
  }
}

// On a screen of twice the density the symbol keeps its place and size.
// Every symbol but the ring covers the tile's middle, the cross's crossing
// as well; the ring leaves it as the tile is.
TEST(TileSymbols, EverySymbolButTheRingCoversTheMiddle) {
  constexpr int kRing = 5;
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    const QPoint middle(31, 31);
    const bool covered =
        TileImage({colour, true}).pixel(middle) != TileImage({colour, false}).pixel(middle);
    EXPECT_EQ(covered, colour != kRing) << colour;
  }
}

TEST(TileSymbols, ASymbolScalesWithTheImagesPixelRatio) {
  QImage sharp = TileImage({0, false}).scaled(2 * kSize, 2 * kSize);
  sharp.setDevicePixelRatio(2);
  const QImage plain = sharp.copy();
  DrawTileSymbol(sharp, 0);
  int changed = 0;
  for (int y = 0; y < sharp.height(); ++y) {
    for (int x = 0; x < sharp.width(); ++x) changed += sharp.pixel(x, y) != plain.pixel(x, y);
  }
  const int once = Count(ShapeOf(0));
  EXPECT_GT(changed, once * 7 / 2);
  EXPECT_LT(changed, once * 9 / 2);
  EXPECT_NE(sharp.pixel(kSize, kSize), plain.pixel(kSize, kSize)) << "the disc covers the middle";
}

// On a screen of twice the scale the board shows the symbol tile made at
// that size: the tile's own bevel rings of two device pixels, the symbol
// over its middle.
TEST(TileSymbols, OnAFinerScreenTheSymbolTileIsMadeAtTheDevicesSize) {
  for (int colour = 0; colour < kSymbolColourCount; ++colour) {
    SCOPED_TRACE(colour);
    EXPECT_NE(&TileImage({colour, true}), &TileImage({colour, false}));
    const QImage& plain = TileImage({colour, false}, 124, 2);
    const QImage& marked = TileImage({colour, true}, 124, 2);
    ASSERT_EQ(marked.size(), QSize(124, 124));
    EXPECT_EQ(&marked, &TileImage({colour, true}, 124, 2)) << "made once";
    for (const QPoint ring : {QPoint(0, 60), QPoint(1, 60), QPoint(7, 60), QPoint(123, 60)})
      EXPECT_EQ(marked.pixel(ring), plain.pixel(ring)) << ring.x();
    EXPECT_NE(marked, plain);
  }
  for (int other = kSymbolColourCount; other < kFieldImageCount; ++other) {
    EXPECT_EQ(&TileImage({other, true}), &TileImage({other, false}))
        << "no symbol, the same picture";
  }
}

}  // namespace
}  // namespace breliko::ui
