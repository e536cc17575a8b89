// Main window: the sixteen lines of the frame around the window.
#include "ui/main_window/window_frame.h"

#include <QPainter>
#include <QRect>
#include <QSize>

#include "ui/common/device_pixels.h"

namespace breliko::ui {

// A line's pixels are the rectangle between its two points, both painted.
void DrawFrame(QPainter& painter, qreal ratio) {
  const EdgeLines edges(QSize(800, 600), ratio);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const FrameLine& frameLine : kFrameLines) {
    const QRect pixels = QRect(frameLine.line.p1(), frameLine.line.p2()).normalized();
    painter.fillRect(edges.LogicalRect(pixels), QColor(0, frameLine.green, 0));
  }
}

void WindowDrawing::Paint(QPainter& painter, const QRect& area, qreal ratio) const {
  painter.fillRect(area, colour_);
  if (frameDrawn_) ui::DrawFrame(painter, ratio);
}

}  // namespace breliko::ui
