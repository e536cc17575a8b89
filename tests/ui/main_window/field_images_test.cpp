#include "ui/main_window/field_images.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QCryptographicHash>
#include <algorithm>
#include <array>
#include <set>
#include <stdexcept>

namespace breliko::ui {
namespace {

constexpr int kLast = kFieldImageSize - 1;
constexpr int kJoker = 7;
constexpr int kFlame = 8;
constexpr int kBlocker = 9;

// Compares as colours so that a failure prints "(255,40,40)", not a number.
QColor At(int index, int x, int y) { return QColor(TileImage({index, false}).pixel(x, y)); }

TEST(FieldImages, AllTenAreOpaqueImagesOfAFieldsSize) {
  for (int index = 0; index < kFieldImageCount; ++index) {
    const QImage& image = TileImage({index, false});
    SCOPED_TRACE(index);
    EXPECT_EQ(image.size(), QSize(kFieldImageSize, kFieldImageSize));
    EXPECT_FALSE(image.hasAlphaChannel());
  }
}

// Fields copy the picture of their prototype and are compared by it, so
// every call must hand out the one picture drawn for its index, for the
// whole run, and no two indices may share one.
TEST(FieldImages, EachIndexGivesOneSharedPicture) {
  std::array<QImage, kFieldImageCount> first;  // what board fields keep
  for (int index = 0; index < kFieldImageCount; ++index) first[index] = TileImage({index, false});
  for (int index = kFieldImageCount - 1; index >= 0; --index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(TileImage({index, false}).cacheKey(), first[index].cacheKey());
    for (int other = 0; other < kFieldImageCount; ++other) {
      if (other == index) continue;
      EXPECT_NE(first[other].cacheKey(), TileImage({index, false}).cacheKey()) << other;
      EXPECT_NE(first[other], TileImage({index, false})) << other;
    }
  }
}

// The images of a field of 62 pixels, byte for byte as they always were.
TEST(FieldImages, AtTheirOwnSizeTheImagesComeOutAsEver) {
  const std::array<const char*, kFieldImageCount> expected = {
      "e378fa4b5368fd1fadbaf696aa45d502", "399c95c005110df5e50e1db7ddd49a29",
      "6914ed61ce5894d9cae0fdc8962d832d", "523c918256ab7e1b8c8a9275e8de9036",
      "87b4b2d5db64814ab9790888feb1c7b9", "d0586b583b3895c83484085f3d2a1954",
      "9c420a9eb09f9ff7c62d3e2469549ff9", "cf46956ca6731865c9fc87bad4bb22ef",
      "cea4ba83fbafe1fe88ae0fd9e9d62910", "e5cf22e0d389e4d29ef62160929b2196"};
  for (int index = 0; index < kFieldImageCount; ++index) {
    const QImage& image = TileImage({index, false});
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(image.constBits()),
                                static_cast<qsizetype>(image.sizeInBytes()));
    EXPECT_EQ(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toStdString(),
              expected[index])
        << index;
  }
}

TEST(FieldImages, AnIndexOffTheArrayThrows) {
  EXPECT_THROW(TileImage({-1, false}), std::out_of_range);
  EXPECT_THROW(TileImage({kFieldImageCount, false}), std::out_of_range);
}

TEST(FieldImages, TilesShowTheirColourInside) {
  const QColor colours[] = {QColor(255, 0, 0),  QColor(255, 196, 0), QColor(255, 255, 0),
                            QColor(0, 255, 0),  QColor(0, 255, 255), QColor(0, 0, 255),
                            QColor(255, 0, 255)};
  for (int index = 0; index < 7; ++index) {
    EXPECT_EQ(At(index, 30, 30), colours[index]) << index;
  }
}

struct TileCase {
  int index;
  QColor base;
  std::array<QColor, 4> light;  // outermost ring first
  std::array<QColor, 4> dark;
};

class TileBevel : public testing::TestWithParam<TileCase> {};

TEST_P(TileBevel, RingsLightenTopLeftAndDarkenBottomRight) {
  const TileCase& tile = GetParam();
  const int mid = kFieldImageSize / 2;
  for (int ring = 0; ring < 4; ++ring) {
    SCOPED_TRACE(testing::Message() << "ring " << ring);
    const int far = kLast - ring;
    EXPECT_EQ(At(tile.index, mid, ring), tile.light[ring]) << "top";
    EXPECT_EQ(At(tile.index, ring, mid), tile.light[ring]) << "left";
    EXPECT_EQ(At(tile.index, far, mid), tile.dark[ring]) << "right";
    EXPECT_EQ(At(tile.index, mid, far), tile.dark[ring]) << "bottom";
    EXPECT_EQ(At(tile.index, ring, ring), tile.light[ring]) << "top-left";
    EXPECT_EQ(At(tile.index, far, ring), tile.light[ring]) << "top-right";
    EXPECT_EQ(At(tile.index, ring, far), tile.light[ring]) << "bottom-left";
    EXPECT_EQ(At(tile.index, far, far), tile.dark[ring]) << "bottom-right";
  }
  EXPECT_EQ(At(tile.index, 4, 4), tile.base);
  EXPECT_EQ(At(tile.index, mid, mid), tile.base);
  EXPECT_EQ(At(tile.index, kLast - 4, kLast - 4), tile.base);
}

INSTANTIATE_TEST_SUITE_P(
    FieldImages, TileBevel,
    testing::Values(
        TileCase{0,
                 QColor(255, 0, 0),
                 {QColor(255, 160, 160), QColor(255, 120, 120), QColor(255, 80, 80),
                  QColor(255, 40, 40)},
                 {QColor(95, 0, 0), QColor(135, 0, 0), QColor(175, 0, 0), QColor(215, 0, 0)}},
        // 196 lies between the fixed points and is rounded to the nearest.
        TileCase{
            1,
            QColor(255, 196, 0),
            {QColor(255, 233, 160), QColor(255, 224, 120), QColor(255, 215, 80),
             QColor(255, 205, 40)},
            {QColor(95, 73, 0), QColor(135, 104, 0), QColor(175, 135, 0), QColor(215, 165, 0)}},
        TileCase{5,
                 QColor(0, 0, 255),
                 {QColor(160, 160, 255), QColor(120, 120, 255), QColor(80, 80, 255),
                  QColor(40, 40, 255)},
                 {QColor(0, 0, 95), QColor(0, 0, 135), QColor(0, 0, 175), QColor(0, 0, 215)}}));

// The images for finer screens: (device pixels, ring width) as at 1x, 1.25x,
// 1.5x and 2x.
struct Raster {
  int size;
  int ring;
};
class FieldImagesOnDevice : public testing::TestWithParam<Raster> {};

TEST_P(FieldImagesOnDevice, AreMadeAtTheSizeAskedAndKept) {
  const auto [size, ring] = GetParam();
  for (int index = 0; index < kFieldImageCount; ++index) {
    const QImage& image = TileImage({index, false}, size, ring);
    EXPECT_EQ(image.size(), QSize(size, size)) << index;
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), size / 62.0) << index;
    EXPECT_EQ(&image, &TileImage({index, false}, size, ring)) << index;
  }
  EXPECT_NE(&TileImage({0, false}, 93, 2), &TileImage({0, false})) << "each size its own image";
}

// Down the middle of a tile from the top edge: four rings of `ring` device
// pixels each in the colours of the 1x rings, then the flat base colour;
// likewise up from the bottom edge. Every pixel of the tile is one of the
// nine colours of the 1x tile: no blended shades.
TEST_P(FieldImagesOnDevice, BevelRingsAreWholeLinesOfDevicePixels) {
  const auto [size, ring] = GetParam();
  for (int index : {0, 1, 5}) {
    SCOPED_TRACE(index);
    const QImage& image = TileImage({index, false}, size, ring);
    const int mid = size / 2;
    for (int depth = 0; depth < 4 * ring + 2; ++depth) {
      const int ownRing = std::min(depth / ring, 4);
      const int ownPixel = ownRing < 4 ? ownRing : 30;
      EXPECT_EQ(image.pixelColor(mid, depth), At(index, 30, ownPixel)) << "top " << depth;
      EXPECT_EQ(image.pixelColor(mid, size - 1 - depth), At(index, 30, kLast - ownPixel))
          << "bottom " << depth;
      EXPECT_EQ(image.pixelColor(depth, mid), At(index, ownPixel, 30)) << "left " << depth;
    }
    std::set<QRgb> ownColours;
    for (int y = 0; y < kFieldImageSize; ++y) {
      for (int x = 0; x < kFieldImageSize; ++x)
        ownColours.insert(TileImage({index, false}).pixel(x, y));
    }
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        ASSERT_TRUE(ownColours.count(image.pixel(x, y))) << x << "," << y;
      }
    }
  }
}

TEST_P(FieldImagesOnDevice, JokerBlockerAndFlameKeepTheirLook) {
  const auto [size, ring] = GetParam();
  const auto at = [&](int index, double x, double y) {
    return TileImage({index, false}, size, ring)
        .pixelColor(static_cast<int>(x * size / 62), static_cast<int>(y * size / 62));
  };
  EXPECT_EQ(at(kJoker, 13, 13), At(0, 30, 30)) << "red band on the diagonal";
  EXPECT_EQ(at(kJoker, 22, 13), At(1, 30, 30)) << "orange to its right";
  EXPECT_EQ(at(kBlocker, 7, 7), QColor(0, 0, 0));
  EXPECT_EQ(at(kBlocker, 23, 7), QColor(128, 128, 128));
  int blue = 0;
  const QImage& flame = TileImage({kFlame, false}, size, ring);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) blue += qBlue(flame.pixel(x, y));
  }
  EXPECT_EQ(blue, 0);
}

INSTANTIATE_TEST_SUITE_P(FieldImages, FieldImagesOnDevice,
                         testing::Values(Raster{62, 1}, Raster{78, 1}, Raster{93, 2},
                                         Raster{124, 2}));

TEST(FieldImages, JokerColoursRunInDiagonalBands) {
  // Cells of about nine pixels; sample each inner cell at its middle.
  const auto middle = [](int cell) { return cell * kFieldImageSize / 7 + 4; };
  for (int row = 1; row < 6; ++row) {
    for (int column = 1; column < 6; ++column) {
      SCOPED_TRACE(testing::Message() << "cell " << row << "," << column);
      const int colour = (column - row + 7) % 7;
      EXPECT_EQ(At(kJoker, middle(column), middle(row)), At(colour, 30, 30));
    }
  }
}

TEST(FieldImages, JokerWearsTheTileBevelOverItsBands) {
  EXPECT_EQ(At(kJoker, 0, 0), QColor(255, 160, 160));      // red, lit
  EXPECT_EQ(At(kJoker, kLast, 0), QColor(255, 160, 255));  // magenta, lit corner
  EXPECT_EQ(At(kJoker, 0, kLast), QColor(255, 233, 160));  // orange, lit corner
  EXPECT_EQ(At(kJoker, kLast, kLast), QColor(95, 0, 0));   // red, in shadow
}

TEST(FieldImages, FlameIsYellowWithOrangeAndRedAndNoBlue) {
  int yellow = 0, orange = 0, red = 0;
  for (int y = 0; y < kFieldImageSize; ++y) {
    for (int x = 0; x < kFieldImageSize; ++x) {
      const QColor c = At(kFlame, x, y);
      ASSERT_EQ(c.blue(), 0) << x << "," << y;
      ASSERT_GE(c.red(), 230) << x << "," << y;
      if (c.green() >= 210) {
        ++yellow;
      } else if (c.green() >= 100) {
        ++orange;
      } else {
        ++red;
      }
    }
  }
  const double all = kFieldImageSize * kFieldImageSize;
  EXPECT_GE(yellow / all, 0.60);
  EXPECT_LE(yellow / all, 0.85);
  EXPECT_GE(orange / all, 0.12);
  EXPECT_LE(orange / all, 0.30);
  EXPECT_GE(red / all, 0.02);
  EXPECT_LE(red / all, 0.10);
}

TEST(FieldImages, FlameRedRunsUpwardsInStreaks) {
  const QColor red(255, 0, 0);
  int stackedPairs = 0, sideBySidePairs = 0;
  for (int y = 0; y < kLast; ++y) {
    for (int x = 0; x < kLast; ++x) {
      if (At(kFlame, x, y) != red) continue;
      stackedPairs += At(kFlame, x, y + 1) == red;
      sideBySidePairs += At(kFlame, x + 1, y) == red;
    }
  }
  // Blotches without a direction give about as many of each.
  EXPECT_GT(stackedPairs * 10, sideBySidePairs * 13);
}

TEST(FieldImages, BlockerIsAChequerStartingBlack) {
  const QColor black(0, 0, 0), grey(128, 128, 128);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      SCOPED_TRACE(testing::Message() << "cell " << row << "," << column);
      const QColor expected = (row + column) % 2 == 0 ? black : grey;
      EXPECT_EQ(At(kBlocker, column * 16 + 7, row * 16 + 7), expected);
    }
  }
}

TEST(FieldImages, BlockerBevelFadesFromNearWhiteAndIsNearBlackInShadow) {
  EXPECT_EQ(At(kBlocker, 0, 0), QColor(248, 248, 248));
  EXPECT_EQ(At(kBlocker, 30, 0), QColor(248, 248, 248));
  int previous = 255;
  for (int ring = 0; ring < 4; ++ring) {
    const QColor lit = At(kBlocker, ring, 30);
    EXPECT_LT(lit.red(), previous) << ring;
    EXPECT_GT(lit.red(), 128) << ring;
    previous = lit.red();
    EXPECT_LE(At(kBlocker, kLast - ring, 30).red(), 64) << ring;
    EXPECT_LE(At(kBlocker, 30, kLast - ring).red(), 64) << ring;
  }
}

}  // namespace
}  // namespace breliko::ui
