// Crediting a stripe or a square: a sound, a new tree, the points.
#include "game/game.h"
#include "game/sounds.h"

namespace breliko::game {

void Game::Treffer5er() {
  TonSpielen(kSoundStripe, kSoundAsync);
  host_.BaumZeichnen();
  if (Beendet_) return;
  Gutschreiben(PunkteFuenfer_);
}

void Game::Treffer9er() {
  // No field takes a drag while the square is credited: the tree lets
  // pending events run in the middle of it.
  AlleFelderFreigeben(false);
  TonSpielen(kSoundSquare, kSoundAsync);
  host_.BaumZeichnen();
  if (Beendet_) return;
  Gutschreiben(PunkteNeuner_);
  // The extra reward of a square: one colour goes up in flames.
  FarbeAufloesen();
  AlleFelderFreigeben(true);
}

}  // namespace breliko::game
