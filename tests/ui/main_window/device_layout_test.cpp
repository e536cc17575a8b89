#include "ui/main_window/device_layout.h"

#include <gtest/gtest.h>

#include "ui/common/device_pixels.h"
#include "ui/main_window/main_window_layout.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui::form1 {
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

class DeviceLayout : public testing::TestWithParam<qreal> {};

// The board stays under the information panel that covers it, well clear
// of the right-hand column, its gaps one device line.
TEST_P(DeviceLayout, BoardKeepsWithinThePanelOverIt) {
  const qreal ratio = GetParam();
  const DeviceBoard board = BoardOnDevice(ratio);
  EXPECT_EQ(board.gap, DeviceLineWidth(ratio));
  const QRect first = FieldDeviceRect(0, ratio);
  const QRect last = FieldDeviceRect(80, ratio);
  const QRectF panel = Exact(kInformationPanel, ratio);
  EXPECT_GE(first.left(), panel.left());
  EXPECT_GE(first.top(), panel.top());
  EXPECT_LE(last.right() + 1, panel.right());
  EXPECT_LE(last.bottom() + 1, panel.bottom());
  EXPECT_EQ(FieldDeviceRect(10, ratio).topLeft() - first.topLeft(),
            QPoint(board.pitch, board.pitch));
}

// A widget placed on device pixels covers them, and its area, seen from the
// window at the ratio, is exactly them.
TEST_P(DeviceLayout, PlacementsCoverTheirDevicePixelsExactly) {
  const qreal ratio = GetParam();
  for (int i : {0, 1, 40, 80}) {
    const QRect device = FieldDeviceRect(i, ratio);
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
TEST_P(DeviceLayout, EdgeLinesCountFromTheirOwnEdge) {
  const qreal ratio = GetParam();
  const int line = DeviceLineWidth(ratio);
  const EdgeLines edges(QSize(800, 600), ratio);
  const int width = qRound(800 * ratio);
  EXPECT_EQ(edges.DeviceRect(QRect(0, 0, 800, 1)), QRect(0, 0, width, line));
  EXPECT_EQ(edges.DeviceRect(QRect(0, 2, 800, 1)), QRect(0, 2 * line, width, line));
  EXPECT_EQ(edges.DeviceRect(QRect(798, 1, 1, 598)).left(), width - 2 * line);
  EXPECT_EQ(edges.DeviceRect(QRect(0, 599, 800, 1)).bottom(), qRound(600 * ratio) - 1);
}

// At whole ratios nothing needs snapping: the exact scale of the design.
TEST(DeviceLayoutAtWholeRatios, ScalesTheDesignExactly) {
  for (const qreal ratio : {1.0, 2.0, 3.0}) {
    SCOPED_TRACE(ratio);
    for (int i : {0, 9, 44, 80}) {
      EXPECT_EQ(QRectF(FieldDeviceRect(i, ratio)), Exact(FieldRect(i), ratio));
    }
    EXPECT_EQ(QRectF(CentredOnDesign(kCanvas, TreeCanvas::DeviceSize(ratio), ratio)),
              Exact(kCanvas, ratio));
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, DeviceLayout,
                         testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 3.0));

}  // namespace
}  // namespace breliko::ui::form1
