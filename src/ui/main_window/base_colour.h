// Main window: the six background colours of the empty fields, in their order.
#pragma once

#include <QColor>

#include <array>
#include <optional>

namespace breliko::ui {

// The six background colours of the empty fields, in the order the button
// steps through them; the first is the colour every run starts with.
inline constexpr std::array<QColor, 6> kBaseColourCycle = {
    QColor(230, 255, 230), QColor(255, 255, 255), QColor(230, 230, 230),
    QColor(195, 195, 195), QColor(0, 0, 0),       QColor(255, 230, 230)};

// The colour after `current`, or nothing for a colour outside the cycle.
std::optional<QColor> NextBaseColour(const QColor& current);

}  // namespace breliko::ui
