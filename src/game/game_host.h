#pragma once

#include <cstdint>
#include <string>

#include "game/board.h"

namespace breliko::game {

// What a scoring dissolution took from the board.
enum class Shape { kStripe, kSquare };

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Everything the rules engine needs from the world around it: the main
// window implements it, tests fake it. The engine never draws, plays or
// waits by itself.
class GameHost {
 public:
  virtual ~GameHost() = default;

  // The picture, tag, drag mode or enabled state of a board field changed.
  virtual void FieldChanged(int index) = 0;
  // `lblPunkte` shows the new score.
  virtual void ScoreChanged(int punkte) = 0;
  // Plays a wave file; flags 1 returns at once, flags 0 waits for its end.
  virtual void PlaySound(const std::string& file, int flags) = 0;
  // Draws a new fractal tree; lets pending events (a timer tick, a click)
  // run once on the way.
  virtual void BaumZeichnen() = 0;
  // Draws the shaded frame round the window.
  virtual void RahmenZeichnen() = 0;
  // The background of the window and of `lblBreliko`; erases the frame.
  virtual void SetWindowColour(Rgb colour) = 0;
  // Starts (400 ms) or stops `tmrTimer`.
  virtual void SetTimerEnabled(bool enabled) = 0;
  // Hides the rules and information panels.
  virtual void HidePanels() = 0;
  // Shows the start button with the keyboard focus on it, or hides it.
  virtual void SetStartButtonVisible(bool visible) = 0;

  // Start-up duties of the window: base colours, frame and centring; the
  // three small windows; the tenth place of the highscore list.
  virtual void PrepareWindow() = 0;
  virtual void LoadDialogs() = 0;
  virtual int ReadHighscoreThreshold() = 0;
  // A finished game beat the tenth place: ask the player for a name.
  virtual void RequestHighscoreEntry(int punkte) = 0;

  // --- What happens in a turn, told as it happens --------------------------
  // For a player who follows the game by ear; each comes right after the
  // change it names, and a window that shows the board may leave them alone.
  // The tile of field `from` went to the empty field `to`.
  virtual void TileMoved(int /*from*/, int /*to*/) {}
  // A stripe or square of `colour` (the joker's when jokers alone made it)
  // is emptied from field `first` to field `last`; its points follow.
  virtual void ShapeDissolving(Shape /*shape*/, int /*first*/, int /*last*/, PictureId /*colour*/) {
  }
  // A new tile came on field `index`, at the start or after a turn.
  virtual void TilePlaced(int /*index*/) {}
  // Every tile of `colour` caught fire.
  virtual void ColourBurning(PictureId /*colour*/) {}
  // A blocker came on field `index`.
  virtual void BlockerPlaced(int /*index*/) {}
  // The board is full and the game is over with `punkte`; a name is asked
  // for after this, when the score is high enough.
  virtual void GameEnded(int /*punkte*/) {}
};

}  // namespace breliko::game
