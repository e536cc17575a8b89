#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "game/board.h"
#include "game/fixed_point.h"
#include "game/game_host.h"
#include "game/random_source.h"

namespace breliko::game {

// The game of the main window `Form1`: the board, the score and every rule,
// from start-up through the drop of a field to the end of the game. It keeps
// the handler and method names of the window it belongs to; the window
// itself only shows this state and forwards its events here. The German
// names (`Spalten`, `Treffer`, `Neufelder`, ...) are explained in
// src/game/README.md.
class Game {
 public:
  Game(GameHost& host, RandomSource& random);

  // --- Events of the main window -----------------------------------------
  void Form_Load();
  void cmdSpielStarten_Click();
  void cmdSpielAbbrechen_Click();
  // A field dragged from `Source` was released over field `Index`.
  void picP_DragDrop(int Index, int Source);
  void tmrTimer_Timer();

  // --- Public methods of the window ---------------------------------------
  void Neufelder();
  void Spalten();
  void Zeilen();
  void Diagonalen();
  void QuadrateOben();
  void QuadrateUnten();
  void SpaltenTreffer();
  void ZeilenTreffer();
  void DiagonalenTreffer();
  void QuadrateObenTreffer();
  void QuadrateUntenTreffer();
  void Treffer5er();
  void Treffer9er();

  // Plays a wave file while sound is switched on.
  void TonSpielen(const std::string& file, int flags);

  // The chances of a drop and the reward of a square; public so that their
  // frequencies can be measured on their own.
  void FeldSperren();
  void ZufallsAufloesung();
  void FarbeAufloesen();

  // --- State, read by the window and by tests -----------------------------
  const Board& picP() const { return board_; }
  const Field& picP(int index) const { return board_[index]; }
  // Whether a press on the field starts a drag now.
  bool CanDrag(int index) const;

  std::int16_t Punkte() const { return Punkte_; }
  std::int16_t HighscoreGrenze() const { return HighscoreGrenze_; }
  FixedPoint4 FarbFaktor() const { return FarbFaktor_; }
  bool TonAn() const { return TonAn_; }
  bool SpielEnde() const { return SpielEnde_; }
  bool SpaltenGefunden() const { return SpaltenGefunden_; }
  bool ZeilenGefunden() const { return ZeilenGefunden_; }
  bool DiagonalenGefunden() const { return DiagonalenGefunden_; }
  bool QuadrateObenGefunden() const { return QuadrateObenGefunden_; }
  bool QuadrateUntenGefunden() const { return QuadrateUntenGefunden_; }
  bool TimerEnabled() const { return timerEnabled_; }

  // The program is ending: its quit button or a close from outside ran, maybe
  // while a tree let pending events run in the middle of a drop. From now on
  // the game answers no event, and a drop under way gives up the rest of its
  // turn: no further sound, tree, points or name entry.
  void Beenden() { Beendet_ = true; }
  bool Beendet() const { return Beendet_; }

  // The sound switch of the window turns sounds on and off.
  void SetTonAn(bool on) { TonAn_ = on; }
  // The highscore list learns a new tenth place after an entry or a reset.
  void SetHighscoreGrenze(int grenze);

  // --- Shared draws ---------------------------------------------------------
  // A colour index 0..7 (7 the joker), with `FarbFaktor`.
  int FarbeZiehen();
  // A field index 0..80.
  int PositionZiehen();

  // Puts a field into a chosen state; for tests and benchmarks that lay out
  // a board by hand.
  void SetField(int index, const Field& field);
  // Occupies field `index` with colour index `colour` (0..7), as a start or
  // a new field does.
  void Belegen(int index, int colour);

 private:
  void SpielAbbrechen();
  void FeldLeeren(int index);
  void FarbeMarkieren(int colour);

  bool BrettVoll() const;
  void Spielende();
  void Gutschreiben(std::int16_t points);
  void AlleFelderFreigeben(bool enabled);
  void FeldGeaendert(int index) { host_.FieldChanged(index); }

  // Emptying a stripe or square, field by field in their fixed order.
  void StreifenLeeren(int first, int stride);
  void SpalteLeeren(int first);
  void ZeileLeeren(int first);
  void DiagonaleRechtsLeeren(int first);
  void DiagonaleLinksLeeren(int first);
  void QuadratLeeren(int first);
  void TellDissolving(Shape shape, std::span<const int> fields);

  GameHost& host_;
  RandomSource& random_;
  Board board_;

  std::int16_t Punkte_ = 0;
  std::int16_t PunkteFuenfer_ = 4;
  std::int16_t PunkteNeuner_ = 17;
  FixedPoint4 FarbFaktor_ = FixedPoint4::FromUnits(71800);
  bool TonAn_ = true;
  bool SpielEnde_ = false;
  bool SpaltenGefunden_ = false;
  bool ZeilenGefunden_ = false;
  bool DiagonalenGefunden_ = false;
  bool QuadrateObenGefunden_ = false;
  bool QuadrateUntenGefunden_ = false;
  std::int16_t HighscoreGrenze_ = 0;
  bool timerEnabled_ = false;
  bool dropRunning_ = false;
  bool Beendet_ = false;

  // Working sums of the scans: every sum of a call is computed before
  // anything is emptied.
  std::array<std::int32_t, 45> LinienSummen{};
  std::array<std::int32_t, 25> DiagonalSummenRechts{};
  std::array<std::int32_t, 25> DiagonalSummenLinks{};
  std::array<std::int32_t, 49> QuadratSummen{};
};

}  // namespace breliko::game
