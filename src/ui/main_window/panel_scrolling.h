// Main window: reading a text panel with the keys.
#pragma once

class QAbstractScrollArea;

namespace breliko::ui {

// The rules run longer than their panel is tall, and a player without a
// mouse reads on with the keys any desktop text answers: Up and Down by a
// line, Page Up and Page Down by a page, Home and End to the first and the
// last line. Any other key leaves the panel as it is.
void ScrollPanel(QAbstractScrollArea& panel, int key);

}  // namespace breliko::ui
