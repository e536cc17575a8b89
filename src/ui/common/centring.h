// Windows: centring a window on the screen.
#pragma once

class QWidget;

namespace breliko::ui {

// Centres a window on the screen the way the game's windows always did:
// (screen − window) / 2, worked out in twips without clamping, so a window
// larger than the screen hangs over its edges. The size stays.
void CentreOnScreen(QWidget& window);

}  // namespace breliko::ui
