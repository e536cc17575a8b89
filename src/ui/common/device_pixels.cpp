// Windows: drawing on whole device pixels, on screens of any scale.
#include "ui/common/device_pixels.h"

#include <QPoint>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace breliko::ui {

int DeviceLineWidth(qreal ratio) { return std::max(1, static_cast<int>(std::floor(ratio + 0.5))); }

int DeviceLength(qreal pixels, qreal ratio) {
  return static_cast<int>(std::lround(pixels * ratio));
}

QRectF ToLogical(const QRect& device, qreal ratio, QPoint origin) {
  return QRectF(device.x() / ratio - origin.x(), device.y() / ratio - origin.y(),
                device.width() / ratio, device.height() / ratio);
}

DevicePlacement PlaceOnDevicePixels(const QRect& device, qreal ratio) {
  const int left = static_cast<int>(std::floor(device.x() / ratio));
  const int top = static_cast<int>(std::floor(device.y() / ratio));
  const int right = static_cast<int>(std::ceil((device.x() + device.width()) / ratio));
  const int bottom = static_cast<int>(std::ceil((device.y() + device.height()) / ratio));
  const QRect geometry(left, top, right - left, bottom - top);
  return {geometry, ToLogical(device, ratio, geometry.topLeft())};
}

QRect CentredOnDesign(const QRect& design, QSize deviceSize, qreal ratio) {
  const double centreX = (design.x() + design.width() / 2.0) * ratio;
  const double centreY = (design.y() + design.height() / 2.0) * ratio;
  return QRect(static_cast<int>(std::lround(centreX - deviceSize.width() / 2.0)),
               static_cast<int>(std::lround(centreY - deviceSize.height() / 2.0)),
               deviceSize.width(), deviceSize.height());
}

QRect DeviceGrid::Cell(int index) const {
  return QRect(left + pitch * (index % columns), top + pitch * (index / columns), CellSize(),
               CellSize());
}

DeviceGrid GridOnDevice(const QRect& firstCell, int pitch, int columns, qreal ratio) {
  const int designSpan = columns * pitch - (pitch - firstCell.width());
  const int devicePitch = DeviceLength(pitch, ratio);
  const int gap = DeviceLineWidth(ratio);
  const int deviceSpan = columns * devicePitch - gap;
  const QRect grid = CentredOnDesign(QRect(firstCell.topLeft(), QSize(designSpan, designSpan)),
                                     QSize(deviceSpan, deviceSpan), ratio);
  return {grid.x(), grid.y(), devicePitch, gap, columns};
}

int PixelsHolding(int devicePixels, qreal ratio) {
  const bool whole = ratio == std::floor(ratio);
  return static_cast<int>(std::ceil(devicePixels / ratio)) + (whole ? 0 : 1);
}

qreal ToNextDevicePixel(qreal position, qreal ratio) {
  return std::ceil(position * ratio) / ratio - position;
}

EdgeLines::EdgeLines(QSize size, qreal ratio)
    : size_(size),
      deviceSize_(DeviceLength(size.width(), ratio), DeviceLength(size.height(), ratio)),
      ratio_(ratio),
      line_(DeviceLineWidth(ratio)) {}

// Pixels in the first half count from the near edge, the others from the far one.
int EdgeLines::Start(int pixel, int extent, int deviceExtent) const {
  return 2 * pixel < extent ? pixel * line_ : deviceExtent - (extent - pixel) * line_;
}

QRect EdgeLines::DeviceRect(const QRect& pixels) const {
  const int left = Start(pixels.left(), size_.width(), deviceSize_.width());
  const int top = Start(pixels.top(), size_.height(), deviceSize_.height());
  const int right = Start(pixels.right(), size_.width(), deviceSize_.width()) + line_;
  const int bottom = Start(pixels.bottom(), size_.height(), deviceSize_.height()) + line_;
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace breliko::ui
