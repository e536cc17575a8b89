// The main window moved between screens of different scales: three
// offscreen screens of 1, 2 and 1.5 device pixels to the pixel.
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "main_window_fixture.h"
#include "ui/main_window/main_window_layout.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui::testing {
namespace {

class ScreenChangeTest : public Form1Test {
 protected:
  void SetUp() override {
    for (const char* name : {"plain", "double", "one-and-a-half"}) {
      for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name)) screens_.append(screen);
      }
    }
    if (screens_.size() != 3) GTEST_SKIP() << "needs the three screens of three_screens.json";
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    MoveTo(0);
  }

  // Moves the window onto a screen, as a player drags it there.
  void MoveTo(int screen) {
    QScreen* target = screens_[screen];
    form.move(target->geometry().topLeft() + QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.windowHandle()->screen() == target; }));
    ASSERT_EQ(form.devicePixelRatio(), target->devicePixelRatio());
    // The window lays itself out anew after its first paint on the screen:
    // the last field comes to its place last.
    const qreal ratio = target->devicePixelRatio();
    ASSERT_TRUE(QTest::qWaitFor([&] {
      const FieldBox* last = Field(form, 80);
      const qreal left = (last->Area().left() + last->pos().x()) * ratio;
      return left == form1::BoardOnDevice(ratio).Cell(80).left() &&
             CanvasImage().devicePixelRatio() == ratio;
    }));
  }

  const QImage& CanvasImage() { return Canvas(form)->Image(); }

  QList<QScreen*> screens_;  // of 1, 2 and 1.5 device pixels to the pixel
};

bool IsTreeColour(QRgb pixel) { return qRed(pixel) < 115; }  // background 230, tree 0

TEST_F(ScreenChangeTest, TheTreeIsDrawnAnewAtTheNewScaleInTheSameShape) {
  const QImage plain = CanvasImage().copy();
  ASSERT_EQ(plain.size(), QSize(148, 148));

  MoveTo(1);
  const QImage& fine = CanvasImage();
  ASSERT_EQ(fine.size(), QSize(296, 296));
  EXPECT_EQ(fine.devicePixelRatio(), 2);
  // Each pixel of the old drawing and the 2 x 2 device pixels in its place
  // agree on tree or background, but for the smoothed edges.
  int agree = 0;
  for (int y = 0; y < 148; ++y) {
    for (int x = 0; x < 148; ++x) {
      int treeDevicePixels = 0;
      for (int d = 0; d < 4; ++d)
        treeDevicePixels += IsTreeColour(fine.pixel(2 * x + d % 2, 2 * y + d / 2));
      agree += IsTreeColour(plain.pixel(x, y)) == (treeDevicePixels >= 2);
    }
  }
  EXPECT_GT(agree, 148 * 148 * 97 / 100);

  MoveTo(0);
  EXPECT_EQ(CanvasImage(), plain) << "back at 1x, pixel for pixel the tree it was";
}

TEST_F(ScreenChangeTest, FieldsAndCanvasArePlacedAnewOnWholeDevicePixels) {
  for (int screen : {2, 1, 0}) {
    MoveTo(screen);
    const qreal ratio = form.devicePixelRatio();
    SCOPED_TRACE(ratio);
    for (int i : {0, 40, 80}) {
      const FieldBox* field = Field(form, i);
      const QRectF area = field->Area().translated(field->pos());
      const QRect device = form1::BoardOnDevice(ratio).Cell(i);
      EXPECT_DOUBLE_EQ(area.left() * ratio, device.left()) << i;
      EXPECT_DOUBLE_EQ(area.width() * ratio, device.width()) << i;
    }
    EXPECT_EQ(CanvasImage().devicePixelRatio(), ratio);
  }
  EXPECT_EQ(Field(form, 80)->geometry(), QRect(541, 521, 62, 62));
}

}  // namespace
}  // namespace breliko::ui::testing
