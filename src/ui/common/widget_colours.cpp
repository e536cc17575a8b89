// Windows: a colour a widget keeps whether active, inactive or disabled.
#include "ui/common/widget_colours.h"

#include <QWidget>

namespace breliko::ui {

void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace breliko::ui
