// The main window on a screen of the scale QT_SCALE_FACTOR gives (1, 1.25,
// 1.5 and 2 under CTest), read from its own device pixels.
#include <QApplication>
#include <QTest>

#include <cmath>
#include <set>
#include <vector>

#include "main_window_fixture.h"
#include "ui/common/device_pixels.h"
#include "ui/highscore_windows/highscore_list_window.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui::testing {
namespace {

const QColor kBase(230, 255, 230);
const QColor kWindow(0, 128, 0);

qreal Ratio() { return qApp->devicePixelRatio(); }
int Line() { return DeviceLineWidth(Ratio()); }

// Runs of one colour along a row or column of device pixels (within the
// board's part of the window when going across).
struct ColourRun {
  int start;
  int length;
};
std::vector<ColourRun> RunsOf(const QImage& image, const QColor& colour, QPoint from, QPoint step) {
  std::vector<ColourRun> runs;
  int index = 0;
  const QRect within(0, 0, qRound(615 * Ratio()), image.height());
  for (QPoint p = from; within.contains(p); p += step, ++index) {
    if (image.pixelColor(p) != colour) continue;
    if (!runs.empty() && runs.back().start + runs.back().length == index) {
      ++runs.back().length;
    } else {
      runs.push_back({index, 1});
    }
  }
  return runs;
}

std::set<int> LengthsOf(const std::vector<ColourRun>& runs) {
  std::set<int> lengths;
  for (const ColourRun& run : runs) lengths.insert(run.length);
  return lengths;
}

// The gaps between neighbouring runs.
std::set<int> GapsOf(const std::vector<ColourRun>& runs) {
  std::set<int> gaps;
  for (std::size_t i = 1; i < runs.size(); ++i) {
    gaps.insert(runs[i].start - runs[i - 1].start - runs[i - 1].length);
  }
  return gaps;
}

class ScreenScaleTest : public Form1Test {
 protected:
  QImage Shown() {
    QImage image = form.grab().toImage();
    EXPECT_EQ(image.size(), QSize(qRound(800 * Ratio()), qRound(600 * Ratio())));
    return image;
  }
};

// Across the middle row of the board and down the middle of every column:
// nine fields of one device size each way, eight gaps of one device width,
// whatever the scale; at 1x the design's 62 and 1.
TEST_F(ScreenScaleTest, AllFieldsHaveOneDeviceSizeAndAllGapsOneWidth) {
  const QImage shown = Shown();
  const int middle = shown.height() / 2;
  const std::vector<ColourRun> columns = RunsOf(shown, kBase, QPoint(0, middle), QPoint(1, 0));
  ASSERT_EQ(columns.size(), 9u);
  const std::set<int> sizes = LengthsOf(columns);
  ASSERT_EQ(sizes.size(), 1u);
  const int size = *sizes.begin();
  EXPECT_NEAR(size, 62 * Ratio(), 1.0);
  EXPECT_EQ(GapsOf(columns), std::set<int>{Line()});
  for (const ColourRun& column : columns) {
    const int x = column.start + column.length / 2;
    const std::vector<ColourRun> rows = RunsOf(shown, kBase, QPoint(x, 0), QPoint(0, 1));
    ASSERT_EQ(rows.size(), 9u) << "column at " << x;
    EXPECT_EQ(LengthsOf(rows), std::set<int>{size}) << "column at " << x;
    EXPECT_EQ(GapsOf(rows), std::set<int>{Line()}) << "column at " << x;
    for (const ColourRun& row : rows) {
      const int y = row.start + row.length / 2;
      const std::vector<ColourRun> across = RunsOf(shown, kBase, QPoint(0, y), QPoint(1, 0));
      ASSERT_EQ(across.size(), 9u) << "row at " << y;
      EXPECT_EQ(LengthsOf(across), std::set<int>{size}) << "row at " << y;
      EXPECT_EQ(GapsOf(across), std::set<int>{Line()}) << "row at " << y;
    }
  }
  if (Ratio() == 1) {
    EXPECT_EQ(size, 62);
    EXPECT_EQ(columns.front().start, 37);
  }
  // The board stays within the information panel that covers it, and so
  // well clear of the right-hand column.
  EXPECT_GE(columns.front().start, 35 * Ratio());
  EXPECT_LE(columns.back().start + size, (35 + 570) * Ratio());
}

// Tiles on all 81 fields: each covers its field exactly, its corners those
// of the tile image made for the screen, the window's green right beside.
TEST_F(ScreenScaleTest, TilesCoverTheirFieldsExactly) {
  for (int i = 0; i < game::kFieldCount; ++i) Field(form, i)->SetPicture(TilePicture{i % 10});
  const QImage before = Shown();
  const int middle = before.height() / 2;
  for (int i = 0; i < game::kFieldCount; ++i) Field(form, i)->SetPicture(std::nullopt);
  const std::vector<ColourRun> columns = RunsOf(Shown(), kBase, QPoint(0, middle), QPoint(1, 0));
  ASSERT_EQ(columns.size(), 9u);
  const int size = columns.front().length;
  const std::vector<ColourRun> rows =
      RunsOf(Shown(), kBase, QPoint(columns.front().start, 0), {0, 1});
  ASSERT_EQ(rows.size(), 9u);
  for (int i = 0; i < game::kFieldCount; ++i) {
    SCOPED_TRACE(i);
    const QImage& tile = TileImage({i % 10, false}, size, Line());
    const QPoint corner(columns[i % 9].start, rows[i / 9].start);
    const QPoint last(size - 1, size - 1);
    EXPECT_EQ(before.pixelColor(corner), tile.pixelColor(0, 0));
    EXPECT_EQ(before.pixelColor(corner + last), tile.pixelColor(last));
    EXPECT_EQ(before.pixelColor(corner + QPoint(size / 2, size / 3)),
              tile.pixelColor(size / 2, size / 3));
    EXPECT_EQ(before.pixelColor(corner - QPoint(1, 0)), kWindow);
    EXPECT_EQ(before.pixelColor(corner + last + QPoint(1, 0)), kWindow);
  }
}

// A press on one field and a release on another moves the tile at every
// scale; a release on the gap between two fields (the middle of the first
// whole pixel past a field) does nothing.
TEST_F(ScreenScaleTest, ADragMovesATileAndAReleaseOnAGapDoesNothing) {
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.game().cmdSpielAbbrechen_Click();
  const auto drag = [&](int source, QPoint release) {
    FieldBox* from = Field(form, source);
    const QPoint grip = from->Area().center().toPoint();
    QTest::mousePress(from, Qt::LeftButton, {}, grip);
    QTest::mouseRelease(from, Qt::LeftButton, {}, from->mapFrom(&form, release));
  };
  const auto centre = [&](int field) {
    return Field(form, field)->Area().translated(Field(form, field)->pos()).center().toPoint();
  };
  // At a fractional scale a field's widget reaches into the gap; a press
  // there holds no tile.
  form.game().Belegen(41, game::kRed);
  FieldBox* red = Field(form, 41);
  for (const QPoint edge :
       {QPoint(0, red->height() / 2), QPoint(red->width() - 1, red->height() / 2)}) {
    if (red->Covers(edge)) continue;
    QTest::mousePress(red, Qt::LeftButton, {}, edge);
    QTest::mouseRelease(red, Qt::LeftButton, {}, red->mapFrom(&form, centre(42)));
    EXPECT_EQ(form.game().picP(41).Picture, game::kRed) << "a press on the gap at " << edge.x();
  }
  form.game().cmdSpielAbbrechen_Click();
  form.game().Belegen(0, game::kGreen);
  const QRectF first = Field(form, 0)->Area().translated(Field(form, 0)->pos());
  drag(0, QPoint(static_cast<int>(first.right()), static_cast<int>(first.center().y())));
  EXPECT_EQ(OccupiedFields(), 1) << "released on the gap: no move, no new tiles";
  EXPECT_EQ(form.game().picP(0).Picture, game::kGreen);
  drag(0, centre(40));
  EXPECT_EQ(form.game().picP(40).Picture, game::kGreen);
  EXPECT_EQ(OccupiedFields(), 4) << "the moved tile and three new ones";
}

// Each of the frame's four rings is a band of whole device lines, the
// same width on every side.
TEST_F(ScreenScaleTest, FrameRingsAreWholeDeviceLinesOnEverySide) {
  const QImage shown = Shown();
  const int right = shown.width() - 1;
  const int bottom = shown.height() - 1;
  const int mx = shown.width() / 2;
  const int my = shown.height() / 2;
  const int lit[] = {245, 210, 175, 140};
  const int dark[] = {5, 30, 55, 80};
  for (int depth = 0; depth < 4 * Line(); ++depth) {
    SCOPED_TRACE(depth);
    const int ring = depth / Line();
    EXPECT_EQ(shown.pixelColor(mx, depth), QColor(0, lit[ring], 0)) << "top";
    EXPECT_EQ(shown.pixelColor(depth, my), QColor(0, lit[ring], 0)) << "left";
    EXPECT_EQ(shown.pixelColor(mx, bottom - depth), QColor(0, dark[ring], 0)) << "bottom";
    EXPECT_EQ(shown.pixelColor(right - depth, my), QColor(0, dark[ring], 0)) << "right";
  }
  EXPECT_EQ(shown.pixelColor(mx, 4 * Line()), kWindow);
  EXPECT_EQ(shown.pixelColor(right - 4 * Line(), my), kWindow);
}

// Down the middle of the canvas: its sunken edge of two rings of whole
// device lines, then the drawing at the screen's resolution.
TEST_F(ScreenScaleTest, TreeCanvasIsDrawnAtTheScreensResolution) {
  const QImage& image = Canvas(form)->Image();
  EXPECT_EQ(image.size(), QSize(qRound(148 * Ratio()), qRound(148 * Ratio())));
  EXPECT_EQ(image.devicePixelRatio(), Ratio());

  const QImage shown = Canvas(form)->grab().toImage();
  const int mx = qRound(76 * Ratio());
  const std::vector<ColourRun> outer = RunsOf(shown, QColor(128, 128, 128), {mx, 0}, {0, 1});
  const std::vector<ColourRun> inner = RunsOf(shown, QColor(64, 64, 64), {mx, 0}, {0, 1});
  ASSERT_FALSE(outer.empty());
  ASSERT_FALSE(inner.empty());
  EXPECT_EQ(outer.front().length, Line());
  EXPECT_EQ(inner.front().start, outer.front().start + Line());
  EXPECT_EQ(inner.front().length, Line());

  // Where a 1x drawing blown up would show blocks of one colour, the finer
  // drawing has edges inside them: smooth, not stepped.
  if (Ratio() == 2) {
    int blocksOfTwoColours = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
      for (int x = 0; x + 1 < image.width(); x += 2) {
        const QRgb first = image.pixel(x, y);
        blocksOfTwoColours += image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first ||
                              image.pixel(x + 1, y + 1) != first;
      }
    }
    EXPECT_GT(blocksOfTwoColours, 500);
  }
}

// The highscore windows' boxes: a line of whole device pixels along each
// edge, the window's green inside it.
TEST_F(ScreenScaleTest, DialogBoxesAreWholeDeviceLines) {
  QWidget* list = form.highscoreWindows()->form2();
  const QImage shown = list->grab().toImage();
  const int my = shown.height() / 2;
  const int mx = shown.width() / 2;
  for (const auto& [from, step] : {std::pair{QPoint(0, my), QPoint(1, 0)},
                                   std::pair{QPoint(shown.width() - 1, my), QPoint(-1, 0)},
                                   std::pair{QPoint(mx, 0), QPoint(0, 1)},
                                   std::pair{QPoint(mx, shown.height() - 1), QPoint(0, -1)}}) {
    const std::vector<ColourRun> box = RunsOf(shown, Qt::black, from, step);
    ASSERT_FALSE(box.empty());
    EXPECT_EQ(box.front().start, 0);
    EXPECT_EQ(box.front().length, Line());
    EXPECT_EQ(shown.pixelColor(from + Line() * step), QColor(128, 255, 128));
  }
}

}  // namespace
}  // namespace breliko::ui::testing
