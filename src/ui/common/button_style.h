// Windows: the raised look that all buttons of the game share.
#pragma once

#include <QColor>
#include <QString>

namespace breliko::ui {

// The look of every button of the game: a flat face of one colour, raised by
// a light top-left and a dark bottom-right edge, sunk while pressed.
QString RaisedButtonStyle(const QColor& face);

}  // namespace breliko::ui
