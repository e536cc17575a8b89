// Main window: the sixteen lines of the frame around the window.
#include "ui/main_window/window_frame.h"

#include <QPainter>
#include <QPen>

namespace breliko::ui {

void DrawFrame(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const FrameLine& frameLine : kFrameLines) {
    QPen pen(QColor(0, frameLine.green, 0));
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawLine(frameLine.line);
  }
}

}  // namespace breliko::ui
