// Main window: picCanvas, the picture box beside the board where the fractal tree grows.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <QRectF>

#include <functional>
#include <span>
#include <vector>

#include "tree/fractal_tree.h"

namespace breliko::game {
class RandomSource;
}

namespace breliko::ui {

struct DevicePlacement;

// The picture box picCanvas beside the board, where the decorative tree
// grows: a sunken two-pixel border round a 148 x 148 drawing area. The area
// measures in twips, 15 to the pixel, y downwards; what is drawn on it stays
// in a backing image until it is cleared.
//
// The backing image has the screen's own resolution: on a screen of two
// device pixels to the pixel it is 296 x 296, the lines drawn into it in the
// canvas's own units, smoothed. It keeps the lines drawn since it was last
// cleared, so that on a screen of another scale it draws the same tree anew.
class TreeCanvas : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBorderWidth = 2;
  static constexpr int kInnerSize = 148;
  static constexpr int kOuterSize = kInnerSize + 2 * kBorderWidth;
  static constexpr int kTwipsPerPixel = 15;
  // The window design's background; the main window replaces it at load.
  static constexpr QRgb kDesignBackColor = qRgb(192, 255, 192);
  // The colour of the tree, which nothing changes.
  static constexpr QRgb kForeColor = qRgb(0, 128, 0);

  explicit TreeCanvas(QWidget* parent = nullptr);

  // Changing the background erases the drawing, as on every picture box.
  void SetBackColor(const QColor& color);
  QColor BackColor() const { return backColor_; }
  QColor ForeColor() const { return QColor(kForeColor); }

  // The drawing area's size in twips.
  float ScaleWidth() const { return static_cast<float>(kInnerSize * kTwipsPerPixel); }
  float ScaleHeight() const { return static_cast<float>(kInnerSize * kTwipsPerPixel); }

  // Clears the drawing area to the background colour.
  void Cls();

  // Draws a line given in twips, its width in pixels, in the foreground
  // colour. What leaves the drawing area is cut off.
  void DrawLine(const tree::Line& line);

  // Grows a new tree: reseeds the program's generator (the game's later
  // draws follow the new seed too), clears the old tree, lets the pending
  // events run once, then draws the whole tree without yielding.
  void DrawTree(game::RandomSource& random, const std::function<void()>& letPendingEventsRun);

  // The persistent drawing, 148 x 148 pixels at the device pixel ratio of
  // the screen the canvas is on (148 x 148 device pixels at 1x).
  const QImage& Image() const { return image_; }

  // Remakes the drawing for a screen of `ratio` device pixels to the pixel,
  // the lines drawn so far included; nothing happens at the current ratio.
  // Painting does it by itself when the canvas finds itself on such a screen.
  void MatchDeviceRatio(qreal ratio);

  // The canvas's size in device pixels at a ratio: the drawing area at that
  // scale and a border of two whole lines of device pixels round it.
  static QSize DeviceSize(qreal ratio);
  // Puts the canvas on whole device pixels (see DevicePlacement).
  void Place(const DevicePlacement& placement);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintLines(std::span<const tree::Line> lines);
  QRectF Area() const;
  void PaintSunkenEdge(QPainter& painter, qreal ratio) const;

  QImage image_;
  std::vector<tree::Line> lines_;  // drawn since the last clearing
  QRectF area_;  // the canvas within the widget, border included; empty: all of it
  QColor backColor_;
  // The line width the canvas is set to; a branch may leave it for the next.
  tree::Integer drawWidth_ = 1;
};

}  // namespace breliko::ui
