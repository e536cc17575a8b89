// Main window: where the board's fields and the tree canvas lie in device pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace breliko::ui::form1 {

// The board on a screen of `ratio` device pixels to the pixel. Fields step
// by a whole number of device pixels, the scaled 63 rounded, and the gaps
// between them are a whole line of device pixels, so that at 1.5x every
// field is 93 device pixels and every gap 2, where exact scaling would give
// gaps of 1 and 2 by turns. The board is centred where it lies at exact
// scale, a few device pixels larger or smaller than that.
struct DeviceBoard {
  int left;
  int top;
  int pitch;
  int gap;
  int FieldSize() const { return pitch - gap; }
};
DeviceBoard BoardOnDevice(qreal ratio);

// The device pixels of board field `index`; at 1x those of FieldRect(index).
QRect FieldDeviceRect(int index, qreal ratio);

// A rectangle of `deviceSize` centred on where the design rectangle `design`
// lies at exact scale, on whole device pixels.
QRect CentredOnDesign(const QRect& design, QSize deviceSize, qreal ratio);

}  // namespace breliko::ui::form1
