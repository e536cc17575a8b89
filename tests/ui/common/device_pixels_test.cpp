#include "ui/common/device_pixels.h"

#include <gtest/gtest.h>

#include "ui/main_window/main_window_layout.h"

namespace breliko::ui {
namespace {

// The exact device rectangle of a design rectangle.
QRectF Exact(const QRect& design, qreal ratio) {
  return QRectF(design.x() * ratio, design.y() * ratio, design.width() * ratio,
                design.height() * ratio);
}

// A line one pixel wide covers the nearest whole number of device pixels,
// never none, even on a screen scaled below half.
TEST(DeviceLineWidth, IsTheScaledWidthRoundedAndAtLeastOne) {
  const std::pair<qreal, int> widths[] = {{0.25, 1}, {1, 1},   {1.25, 1}, {1.5, 2},
                                          {2, 2},    {2.5, 3}, {3, 3}};
  for (const auto& [ratio, width] : widths) EXPECT_EQ(DeviceLineWidth(ratio), width) << ratio;
}

// The dragged outline: a widget of whole pixels that holds a field's device
// pixels from the first whole device pixel inside it, at any whole pixel.
TEST(DevicePixels, AWidgetHoldsItsDevicePixelsFromTheFirstWholeOne) {
  struct Case {
    qreal ratio;
    int devicePixels;
    int pixels;
  };
  for (const Case& c : {Case{1, 62, 62}, Case{2, 124, 62}, Case{1.5, 93, 63}, Case{1.25, 78, 64}}) {
    EXPECT_EQ(PixelsHolding(c.devicePixels, c.ratio), c.pixels) << c.ratio;
    for (const int position : {0, 1, 7, 10, 37}) {
      const qreal skip = ToNextDevicePixel(position, c.ratio);
      EXPECT_GE(skip, 0) << c.ratio << " at " << position;
      EXPECT_LT(skip, 1 / c.ratio + 1e-9) << c.ratio << " at " << position;
      const qreal first = (position + skip) * c.ratio;
      EXPECT_NEAR(first, std::round(first), 1e-9) << c.ratio << " at " << position;
      EXPECT_LE(skip + c.devicePixels / c.ratio, c.pixels + 1e-9) << c.ratio << " at " << position;
    }
  }
}

// The board's fields at each scale, worked out by hand: the gap is one
// pixel line (its width rounded, at least one device pixel), the pitch the
// 63 pixels from field to field rounded, and a field what the gap leaves.
TEST(DevicePixels, TheBoardsGapPitchAndFieldAtEachScale) {
  struct Scale {
    qreal ratio;
    int gap, pitch, field;
  };
  for (const Scale& s : {Scale{1, 1, 63, 62}, Scale{1.25, 1, 79, 78}, Scale{1.5, 2, 95, 93},
                         Scale{1.75, 2, 110, 108}, Scale{2, 2, 126, 124}, Scale{2.25, 2, 142, 140},
                         Scale{2.5, 3, 158, 155}, Scale{3, 3, 189, 186}}) {
    const DeviceGrid board = form1::BoardOnDevice(s.ratio);
    EXPECT_EQ(board.gap, s.gap) << s.ratio;
    EXPECT_EQ(board.pitch, s.pitch) << s.ratio;
    EXPECT_EQ(board.Cell(40).size(), QSize(s.field, s.field)) << s.ratio;
  }
}

class DevicePixelsAtRatio : public testing::TestWithParam<qreal> {};

// The board stays under the information panel that covers it, well clear
// of the right-hand column, its gaps one device line.
TEST_P(DevicePixelsAtRatio, BoardKeepsWithinThePanelOverIt) {
  const qreal ratio = GetParam();
  const DeviceGrid board = form1::BoardOnDevice(ratio);
  const QRect first = board.Cell(0);
  const QRect last = board.Cell(80);
  const QRectF panel = Exact(form1::kInformationPanel, ratio);
  EXPECT_GE(first.left(), panel.left());
  EXPECT_GE(first.top(), panel.top());
  EXPECT_LE(last.right() + 1, panel.right());
  EXPECT_LE(last.bottom() + 1, panel.bottom());
  EXPECT_EQ(board.Cell(10).topLeft() - first.topLeft(), QPoint(board.pitch, board.pitch));
}

// A widget placed on device pixels covers them, and its area, seen from the
// window at the ratio, is exactly them.
TEST_P(DevicePixelsAtRatio, PlacementsCoverTheirDevicePixelsExactly) {
  const qreal ratio = GetParam();
  for (int i : {0, 1, 40, 80}) {
    const QRect device = form1::BoardOnDevice(ratio).Cell(i);
    const DevicePlacement placement = PlaceOnDevicePixels(device, ratio);
    const QRectF area = placement.area.translated(placement.geometry.topLeft());
    EXPECT_TRUE(Exact(placement.geometry, ratio).contains(QRectF(device))) << i;
    EXPECT_NEAR(area.left() * ratio, device.left(), 1e-9) << i;
    EXPECT_NEAR(area.right() * ratio, device.left() + device.width(), 1e-9) << i;
    EXPECT_LT(placement.geometry.width() * ratio, device.width() + 2 * ratio) << i;
  }
}

// Lines along a window's edges: each pixel from an edge a band of device
// lines from that same edge, the last one ending at the last device pixel.
TEST_P(DevicePixelsAtRatio, EdgeLinesCountFromTheirOwnEdge) {
  const qreal ratio = GetParam();
  const int line = DeviceLineWidth(ratio);
  const EdgeLines edges(QSize(800, 600), ratio);
  const int width = DeviceLength(800, ratio);
  EXPECT_EQ(edges.DeviceRect(QRect(0, 0, 800, 1)), QRect(0, 0, width, line));
  EXPECT_EQ(edges.DeviceRect(QRect(0, 2, 800, 1)), QRect(0, 2 * line, width, line));
  EXPECT_EQ(edges.DeviceRect(QRect(300, 0, 1, 1)).left(), 300 * line) << "the near half";
  EXPECT_EQ(edges.DeviceRect(QRect(400, 0, 1, 1)).left(), width - 400 * line) << "the middle";
  EXPECT_EQ(edges.DeviceRect(QRect(798, 1, 1, 598)).left(), width - 2 * line);
  EXPECT_EQ(edges.DeviceRect(QRect(0, 599, 800, 1)).bottom(), DeviceLength(600, ratio) - 1);
}

// At whole ratios nothing needs snapping: the exact scale of the design.
TEST(DevicePixelsAtWholeRatios, ScaleTheDesignExactly) {
  for (const qreal ratio : {1.0, 2.0, 3.0}) {
    SCOPED_TRACE(ratio);
    for (int i : {0, 9, 44, 80}) {
      EXPECT_EQ(QRectF(form1::BoardOnDevice(ratio).Cell(i)), Exact(form1::FieldRect(i), ratio));
    }
    const QSize canvas = form1::kCanvas.size() * ratio;
    EXPECT_EQ(QRectF(CentredOnDesign(form1::kCanvas, canvas, ratio)), Exact(form1::kCanvas, ratio));
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, DevicePixelsAtRatio,
                         testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 3.0));

}  // namespace
}  // namespace breliko::ui
