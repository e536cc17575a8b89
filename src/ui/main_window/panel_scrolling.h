// Main window: reading a text panel with the keys.
#pragma once

class QAbstractScrollArea;

namespace breliko::ui {

// The rules run longer than their panel is tall, and a player without a
// mouse reads on with the keys any desktop text answers: Up and Down by a
// line, Page Up and Page Down by a page, Home and End to the first and the
// last line. Whether `key` is one of them.
bool ScrollPanel(QAbstractScrollArea& panel, int key);

}  // namespace breliko::ui
