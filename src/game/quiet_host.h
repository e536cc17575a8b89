#pragma once

#include "game/game_host.h"

namespace breliko::game {

// A window that shows nothing and plays nothing, for running the rules on
// their own: benchmarks and long seeded soaks. Override what you want to see.
class QuietHost : public GameHost {
 public:
  void FieldChanged(int) override {}
  void ScoreChanged(int) override {}
  void PlaySound(const std::string&, int) override {}
  void BaumZeichnen() override {}
  void RahmenZeichnen() override {}
  void SetWindowColour(Rgb) override {}
  void SetTimerEnabled(bool) override {}
  void HidePanels() override {}
  void SetStartButtonVisible(bool) override {}
  void PrepareWindow() override {}
  void LoadDialogs() override {}
  int ReadHighscoreThreshold() override { return 0; }
  void RequestHighscoreEntry(int) override {}
};

}  // namespace breliko::game
