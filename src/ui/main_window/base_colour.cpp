// Main window: the six background colours of the empty fields, in their order.
#include "ui/main_window/base_colour.h"

#include <algorithm>

namespace breliko::ui {

std::optional<QColor> NextBaseColour(const QColor& current) {
  const auto* const found = std::find(kBaseColourCycle.begin(), kBaseColourCycle.end(), current);
  if (found == kBaseColourCycle.end()) return std::nullopt;
  const auto* const next = std::next(found);
  return next == kBaseColourCycle.end() ? kBaseColourCycle.front() : *next;
}

}  // namespace breliko::ui
