// Windows: drawing on whole device pixels, on screens of any scale.
#include "ui/common/device_pixels.h"

#include <QPoint>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace breliko::ui {

int DeviceLineWidth(qreal ratio) { return std::max(1, static_cast<int>(std::floor(ratio + 0.5))); }

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

EdgeLines::EdgeLines(QSize size, qreal ratio)
    : size_(size),
      deviceSize_(qRound(size.width() * ratio), qRound(size.height() * ratio)),
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
