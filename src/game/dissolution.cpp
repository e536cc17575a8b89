// Colour dissolutions: every field of one colour bursts into flames under a
// yellow flash and vanishes with the next tick of the timer.
#include <algorithm>
#include <cmath>

#include "game/game.h"

namespace breliko::game {

namespace {

constexpr Rgb kFlashColour{240, 240, 70};
constexpr Rgb kCalmColour{0, 127, 0};

// A colour index 0..7: the jokers are chosen as often as any colour.
int DissolvedColour(RandomSource& random) {
  return std::min(static_cast<int>(std::floor(random.Next() * 8)), 7);
}

}  // namespace

void Game::FarbeAufloesen() {
  random_.Reseed();
  FarbeMarkieren(DissolvedColour(random_));
}

void Game::ZufallsAufloesung() {
  random_.Reseed();
  const FixedPoint4 x = FixedPoint4::Round(random_.Next() * 7.1);
  const int colour = DissolvedColour(random_);
  if (x > FixedPoint4::FromUnits(7 * FixedPoint4::kScale)) FarbeMarkieren(colour);
}

void Game::FarbeMarkieren(int colour) {
  host_.SetWindowColour(kFlashColour);
  host_.ColourBurning(colour);
  for (Field& field : board_) {
    if (field.Picture == colour) field.Tag = std::string(kMarkedTag);
  }
  // Fields still burning from an earlier dissolution keep their flames.
  for (int i = 0; i < kFieldCount; ++i) {
    if (board_[i].Tag != kMarkedTag) continue;
    board_[i].Picture = kFlames;
    FeldGeaendert(i);
  }
  timerEnabled_ = true;
  host_.SetTimerEnabled(true);
}

void Game::tmrTimer_Timer() {
  if (Beendet_) return;
  for (int i = 0; i < kFieldCount; ++i) {
    if (board_[i].Tag == kMarkedTag) FeldLeeren(i);
  }
  host_.SetWindowColour(kCalmColour);
  host_.RahmenZeichnen();
  timerEnabled_ = false;
  host_.SetTimerEnabled(false);
}

}  // namespace breliko::game
