// Windows: whether the player has used the keyboard yet.
#pragma once

namespace breliko::ui {

// Desktops hide keyboard cues, such as the mark on the focused button, until
// the player presses a key; a mouse player never sees them. From the first
// key on (Tab, an arrow, an access key, Space...) they show for the rest of
// the run. Watching starts with the first window that draws a cue.
class KeyboardCues {
 public:
  static void Watch();
  static bool Shown();
  // For tests: back to the state before any key.
  static void Reset();
};

}  // namespace breliko::ui
