// Main window: picCanvas, the picture box beside the board where the fractal tree grows.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>
#include <span>

#include "tree/fractal_tree.h"

namespace breliko::game {
class RandomSource;
}

namespace breliko::ui {

// The picture box picCanvas beside the board, where the decorative tree
// grows: a sunken two-pixel border round a 148 x 148 drawing area. The area
// measures in twips, 15 to the pixel, y downwards; what is drawn on it stays
// in a backing image until it is cleared.
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

  // The persistent drawing, 148 x 148 pixels.
  const QImage& Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintLines(std::span<const tree::Line> lines);

  QImage image_;
  QColor backColor_;
  // The line width the canvas is set to; a branch may leave it for the next.
  tree::Integer drawWidth_ = 1;
};

}  // namespace breliko::ui
