// Main window: the sixteen lines of the frame around the window.
#pragma once

#include <QColor>
#include <QImage>
#include <QLine>
#include <QRect>

#include <array>

class QPainter;

namespace breliko::ui {

// The raised four-pixel frame round the main window: bright green at the
// top and left, darkening to almost black at the bottom and right. The lines
// are drawn in this order; where they cross, the later one wins.
struct FrameLine {
  QLine line;
  int green;
};

inline constexpr std::array<FrameLine, 16> kFrameLines = {{
    {{0, 0, 799, 0}, 245},
    {{0, 1, 799, 1}, 210},
    {{0, 2, 799, 2}, 175},
    {{0, 3, 799, 3}, 140},
    {{0, 596, 799, 596}, 80},
    {{0, 597, 799, 597}, 55},
    {{0, 598, 799, 598}, 30},
    {{0, 599, 799, 599}, 5},
    {{0, 0, 0, 599}, 245},
    {{1, 1, 1, 598}, 210},
    {{2, 2, 2, 597}, 175},
    {{3, 3, 3, 596}, 140},
    {{796, 3, 796, 596}, 80},
    {{797, 2, 797, 597}, 55},
    {{798, 1, 798, 598}, 30},
    {{799, 0, 799, 600}, 5},
}};

// Draws the frame on a window of 800 x 600 pixels shown at the device pixel
// ratio given: each line a band of whole device pixels along its edge.
void DrawFrame(QPainter& painter, qreal ratio);

// What the main window draws on itself: its background and, once drawn, the
// frame; a new background colour wipes the frame. Kept as these two facts
// rather than as a window-sized image, and painted afresh on every paint.
class WindowDrawing {
 public:
  explicit WindowDrawing(const QColor& colour) : colour_(colour) {}
  void SetColour(const QColor& colour) {
    colour_ = colour;
    frameDrawn_ = false;
  }
  const QColor& Colour() const { return colour_; }
  void DrawFrame() { frameDrawn_ = true; }
  void Paint(QPainter& painter, const QRect& area, qreal ratio) const;

 private:
  QColor colour_;
  bool frameDrawn_ = false;
};

}  // namespace breliko::ui
