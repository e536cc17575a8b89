// Main window: reading a text panel with the keys.
#include "ui/main_window/panel_scrolling.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include "ui/common/window_keys.h"

namespace breliko::ui {

void ScrollPanel(QAbstractScrollArea& panel, int key) {
  const WindowKey* row = FindWindowKey(key);
  if (row != nullptr && row->Scrolls()) panel.verticalScrollBar()->triggerAction(row->scroll);
}

}  // namespace breliko::ui
