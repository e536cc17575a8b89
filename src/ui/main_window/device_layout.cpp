// Main window: where the board's fields and the tree canvas lie in device pixels.
#include "ui/main_window/device_layout.h"

#include <cmath>

#include "game/board.h"
#include "ui/common/device_pixels.h"
#include "ui/main_window/main_window_layout.h"

namespace breliko::ui::form1 {

namespace {

// The board is square, as many fields across as down.
static_assert(game::kColumns == game::kRows);
constexpr int kBoardFields = game::kColumns;
constexpr int kBoardSpan = kBoardFields * kFieldPitch - (kFieldPitch - kFieldSize);

int Nearest(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

QRect CentredOnDesign(const QRect& design, QSize deviceSize, qreal ratio) {
  const double centreX = (design.x() + design.width() / 2.0) * ratio;
  const double centreY = (design.y() + design.height() / 2.0) * ratio;
  return QRect(Nearest(centreX - deviceSize.width() / 2.0),
               Nearest(centreY - deviceSize.height() / 2.0), deviceSize.width(),
               deviceSize.height());
}

DeviceBoard BoardOnDevice(qreal ratio) {
  const int pitch = Nearest(kFieldPitch * ratio);
  const int gap = DeviceLineWidth(ratio);
  const int span = kBoardFields * pitch - gap;
  const QRect board = CentredOnDesign(QRect(kBoardLeft, kBoardTop, kBoardSpan, kBoardSpan),
                                      QSize(span, span), ratio);
  return {board.x(), board.y(), pitch, gap};
}

QRect FieldDeviceRect(int index, qreal ratio) {
  const DeviceBoard board = BoardOnDevice(ratio);
  return QRect(board.left + board.pitch * (index % kBoardFields),
               board.top + board.pitch * (index / kBoardFields), board.FieldSize(),
               board.FieldSize());
}

}  // namespace breliko::ui::form1
