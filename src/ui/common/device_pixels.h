// Windows: drawing on whole device pixels, on screens of any scale.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>

namespace breliko::ui {

// The windows are laid out in pixels; a screen of a larger scale shows each
// pixel as `ratio` device pixels, 1.5 of them on a desktop scaled by 150 %.
// Lines and gaps look even there only if they cover whole device pixels, so
// what must look sharp is placed in device pixels and drawn through these.

// How many device pixels a line one pixel wide covers: one at 1x and 1.25x,
// two at 1.5x and 2x.
int DeviceLineWidth(qreal ratio);

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
