// Windows: a colour a widget keeps whether active, inactive or disabled.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace breliko::ui {

// Gives a widget a colour it keeps whether active, inactive or disabled.
void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

}  // namespace breliko::ui
