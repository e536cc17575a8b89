// One turn of the game: the drop of a field and everything that follows it.
#include <algorithm>

#include "game/game.h"
#include "game/sounds.h"

namespace breliko::game {

namespace {

// Clears a flag when the drop leaves, however it leaves.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void Game::picP_DragDrop(int Index, int Source) {
  if (Index < 0 || Index >= kFieldCount || Source < 0 || Source >= kFieldCount) return;
  // A tree drawn while a stripe is credited lets pending events run; a second
  // drop released just then must not start a turn inside this one.
  if (dropRunning_ || Beendet_) return;
  RunningFlag running(dropRunning_);

  Field& target = board_[Index];
  Field& source = board_[Source];
  // Only a picture moves onto a field without one. The source keeps its drag
  // mode, so the empty ex-source can still be "dragged", moving nothing.
  if (!target.HasPicture() && source.HasPicture()) {
    target.Picture = source.Picture;
    target.Tag = source.Tag;
    target.DragMode = 1;
    source.Picture = kNoPicture;
    source.Tag = std::string(kEmptyTag);
    FeldGeaendert(Index);
    FeldGeaendert(Source);
    host_.TileMoved(Source, Index);
  }

  // A stripe or square made by the move ends the turn at once.
  Spalten();
  if (SpaltenGefunden_) return;
  Zeilen();
  if (ZeilenGefunden_) return;
  Diagonalen();
  if (DiagonalenGefunden_) return;
  QuadrateOben();
  if (QuadrateObenGefunden_) return;
  QuadrateUnten();
  if (QuadrateUntenGefunden_) return;

  Neufelder();
  if (SpielEnde_ || Beendet_) return;

  // The new fields may have completed stripes or squares of their own. The
  // tree of each lets events run, the quit button among them.
  for (void (Game::*scan)() : {&Game::Spalten, &Game::Zeilen, &Game::Diagonalen,
                               &Game::QuadrateOben, &Game::QuadrateUnten}) {
    (this->*scan)();
    if (Beendet_) return;
  }

  ZufallsAufloesung();
  FeldSperren();
  if (BrettVoll()) Spielende();
}

void Game::Neufelder() {
  SpielEnde_ = false;
  for (int placement = 0; placement < 3; ++placement) {
    if (BrettVoll()) continue;
    // The colour is drawn once and kept while the position is drawn anew.
    const int colour = FarbeZiehen();
    int position = PositionZiehen();
    while (!board_[position].IsEmpty()) position = PositionZiehen();
    Belegen(position, colour);
  }
  if (!BrettVoll()) {
    TonSpielen(kSoundNewFields, kSoundAsync);
    return;
  }
  // A full board may still hold a stripe or square: three rounds of all
  // five scans give each a chance to make room before the game ends.
  for (int round = 0; round < 3; ++round) {
    Spalten();
    Zeilen();
    Diagonalen();
    QuadrateOben();
    QuadrateUnten();
  }
  if (!BrettVoll() || Beendet_) return;
  Spielende();
  SpielEnde_ = true;
}

void Game::FeldSperren() {
  random_.Reseed();
  const FixedPoint4 x = FixedPoint4::Round(random_.Next() * 9.36);
  int position = PositionZiehen();
  if (!(x > FixedPoint4::FromUnits(9 * FixedPoint4::kScale))) return;
  // Looking for an empty field needs one; a board filled meanwhile (by
  // events run while a tree was drawn) gets no blocker instead of a hang.
  if (BrettVoll()) return;
  while (!board_[position].IsEmpty()) position = PositionZiehen();
  Field& field = board_[position];
  field.Picture = kBlocker;
  field.Tag = std::string(kBlockerTag);
  field.DragMode = 0;
  FeldGeaendert(position);
  host_.BlockerPlaced(position);
  TonSpielen(kSoundBlocker, kSoundWait);
}

void Game::Spielende() {
  TonSpielen(kSoundGameEnd, kSoundWait);
  AlleFelderFreigeben(false);
  host_.GameEnded(Punkte_);
  if (Punkte_ > HighscoreGrenze_) host_.RequestHighscoreEntry(Punkte_);
}

}  // namespace breliko::game
