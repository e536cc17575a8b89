// Windows: drawing on whole device pixels, on screens of any scale.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>

namespace breliko::ui {

// The windows are laid out in pixels; a screen of a larger scale shows each
// pixel as `ratio` device pixels, 1.5 of them on a desktop scaled by 150 %.
// Lines and gaps look even there only if they cover whole device pixels, so
// what must look sharp is placed in device pixels by the rules of this file,
// and only here is a scaled length rounded.

// How many device pixels a line one pixel wide covers: one at 1x and 1.25x,
// two at 1.5x and 2x.
int DeviceLineWidth(qreal ratio);

// A length of `pixels` at 1x, scaled and rounded to whole device pixels.
int DeviceLength(qreal pixels, qreal ratio);

// The rectangle in a widget's own coordinates that covers exactly the
// device pixels of `device`, which are counted from the window's corner;
// `origin` is where the widget lies in its window.
QRectF ToLogical(const QRect& device, qreal ratio, QPoint origin = QPoint());

// Where a widget goes so that it covers the device rectangle `device`: the
// whole pixels round it, and the device rectangle in the widget's terms.
struct DevicePlacement {
  QRect geometry;
  QRectF area;
};
DevicePlacement PlaceOnDevicePixels(const QRect& device, qreal ratio);

// A rectangle of `deviceSize` centred on where the design rectangle `design`
// lies at exact scale, on whole device pixels.
QRect CentredOnDesign(const QRect& design, QSize deviceSize, qreal ratio);

// A square grid of cells, such as the board: the cells step by a whole
// number of device pixels, the scaled pitch rounded, and the gaps between
// them are one device line, so that at 1.5x every field of the board is 93
// device pixels and every gap 2, where exact scaling would give gaps of 1
// and 2 by turns. The grid is centred where it lies at exact scale, a few
// device pixels larger or smaller than that.
struct DeviceGrid {
  int left;
  int top;
  int pitch;
  int gap;
  int columns;
  int CellSize() const { return pitch - gap; }
  QRect Cell(int index) const;
};
// `firstCell` is the top-left cell at 1x, `pitch` the step from one cell to
// the next, `columns` as many as rows.
DeviceGrid GridOnDevice(const QRect& firstCell, int pitch, int columns, qreal ratio);

// A widget that shows `devicePixels` device pixels from the first whole
// device pixel inside it: how many pixels it must measure. At a fractional
// scale that first device pixel may lie up to a pixel in.
int PixelsHolding(int devicePixels, qreal ratio);

// How far past `position` (in pixels) the next whole device pixel begins.
qreal ToNextDevicePixel(qreal position, qreal ratio);

// Lines along the edges of a window of `size` pixels (its frame, its box),
// given as rectangles of pixels at 1x. Each pixel counted from an edge
// becomes a band of DeviceLineWidth device pixels counted from that same
// edge of the window's device image, so the rings keep their order and
// width all round and meet the window's last device pixel.
class EdgeLines {
 public:
  EdgeLines(QSize size, qreal ratio);
  QRect DeviceRect(const QRect& pixels) const;
  QRectF LogicalRect(const QRect& pixels) const { return ToLogical(DeviceRect(pixels), ratio_); }

 private:
  int Start(int pixel, int extent, int deviceExtent) const;

  QSize size_;
  QSize deviceSize_;
  qreal ratio_;
  int line_;
};

}  // namespace breliko::ui
