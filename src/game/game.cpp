#include "game/game.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/sounds.h"

namespace breliko::game {

Game::Game(GameHost& host, RandomSource& random) : host_(host), random_(random) {}

// --- Start-up ---------------------------------------------------------------

void Game::Form_Load() {
  FarbFaktor_ = FixedPoint4::FromUnits(71800);
  PunkteFuenfer_ = 4;
  PunkteNeuner_ = 17;
  Punkte_ = 0;
  host_.ScoreChanged(Punkte_);
  host_.PrepareWindow();
  host_.LoadDialogs();
  SetHighscoreGrenze(host_.ReadHighscoreThreshold());
  host_.BaumZeichnen();
  TonAn_ = true;
  TonSpielen(kSoundStartUp, kSoundAsync);
}

void Game::SetHighscoreGrenze(int grenze) {
  HighscoreGrenze_ = static_cast<std::int16_t>(std::clamp<int>(
      grenze, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// --- Start and cancel ---------------------------------------------------------

void Game::cmdSpielAbbrechen_Click() {
  if (Beendet_) return;
  host_.HidePanels();
  for (int i = 0; i < kFieldCount; ++i) {
    FeldLeeren(i);
    board_[i].Enabled = true;
    FeldGeaendert(i);
  }
  Punkte_ = 0;
  host_.ScoreChanged(Punkte_);
  // No flag of the last game's scans or of its end reaches the next game,
  // which a start begins here.
  SpielEnde_ = false;
  SpaltenGefunden_ = false;
  ZeilenGefunden_ = false;
  DiagonalenGefunden_ = false;
  QuadrateObenGefunden_ = false;
  QuadrateUntenGefunden_ = false;
  host_.SetStartButtonVisible(true);
}

void Game::SpielAbbrechen() { cmdSpielAbbrechen_Click(); }

void Game::cmdSpielStarten_Click() {
  if (Beendet_) return;
  host_.HidePanels();
  SpielAbbrechen();
  random_.Reseed();
  // Three fields at three different places; the board is empty, so the
  // places only need to differ from each other. Colour before position.
  std::array<int, 3> placed{};
  for (int n = 0; n < 3; ++n) {
    const int colour = FarbeZiehen();
    int position = PositionZiehen();
    while (std::find(placed.begin(), placed.begin() + n, position) != placed.begin() + n) {
      position = PositionZiehen();
    }
    placed[n] = position;
    Belegen(position, colour);
  }
  TonSpielen(kSoundNewFields, kSoundAsync);
  host_.SetStartButtonVisible(false);
}

// --- Fields -----------------------------------------------------------------

void Game::Belegen(int index, int colour) {
  Field& field = board_[index];
  field.Picture = colour;
  field.Tag = std::string(kPrototypeTags[colour]);
  field.DragMode = 1;
  FeldGeaendert(index);
  host_.TilePlaced(index);
}

void Game::FeldLeeren(int index) {
  Field& field = board_[index];
  field.Picture = kNoPicture;
  field.DragMode = 0;
  field.Tag = std::string(kEmptyTag);
  FeldGeaendert(index);
}

void Game::SetField(int index, const Field& field) {
  board_[index] = field;
  FeldGeaendert(index);
}

bool Game::CanDrag(int index) const {
  const Field& field = board_[index];
  return field.Enabled && field.DragMode == 1 && !dropRunning_;
}

bool Game::BrettVoll() const {
  return std::none_of(board_.begin(), board_.end(), [](const Field& f) { return f.IsEmpty(); });
}

void Game::AlleFelderFreigeben(bool enabled) {
  for (int i = 0; i < kFieldCount; ++i) {
    board_[i].Enabled = enabled;
    FeldGeaendert(i);
  }
}

// --- Draws ------------------------------------------------------------------

int Game::FarbeZiehen() {
  const int colour = static_cast<int>(std::floor(random_.Next() * FarbFaktor_.ToDouble()));
  return std::clamp(colour, 0, static_cast<int>(kJoker));
}

int Game::PositionZiehen() {
  return std::clamp(static_cast<int>(std::floor(random_.Next() * kFieldCount)), 0, kFieldCount - 1);
}

// --- Sound and score --------------------------------------------------------

void Game::TonSpielen(const std::string& file, int flags) {
  if (TonAn_ && !Beendet_) host_.PlaySound(file, flags);
}

void Game::Gutschreiben(std::int16_t points) {
  // The score is a 16-bit number: it stops at 32767 instead of wrapping.
  const int sum = Punkte_ + points;
  Punkte_ = static_cast<std::int16_t>(std::min<int>(sum, std::numeric_limits<std::int16_t>::max()));
  host_.ScoreChanged(Punkte_);
}

}  // namespace breliko::game
