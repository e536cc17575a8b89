// Finding stripes of five and squares of three by three. A scan first sums
// the field values of every candidate position, then tests the positions in
// a fixed order and dissolves the first that shows one colour, and only it.
#include <algorithm>

#include "game/game.h"
#include "game/winning_sums.h"

namespace breliko::game {

namespace {

// One direction of stripes: which fields start its candidates, and the step
// from one field of a stripe to the next.
// Column positions run down each column (p div 5 is the column, p mod 5 the
// start row); the others run along the rows (p div 5 is the start row).
struct StripeFamily {
  bool byColumn;
  int firstStartColumn;  // down-left diagonals start in column 4 and beyond
  int stride;
};

constexpr StripeFamily kColumnStripes{true, 0, 9};
constexpr StripeFamily kRowStripes{false, 0, 1};
constexpr StripeFamily kDiagonalsRight{false, 0, 10};
constexpr StripeFamily kDiagonalsLeft{false, 4, 8};

constexpr int FirstField(const StripeFamily& family, int p) {
  if (family.byColumn) return FieldIndex(p % 5, p / 5);
  return FieldIndex(p / 5, family.firstStartColumn + p % 5);
}

// Square position p has its top-left field in row p div 7, column p mod 7.
constexpr int SquareFirstField(int p) { return FieldIndex(p / 7, p % 7); }
constexpr std::array<int, 9> kSquareOffsets = {0, 1, 2, 9, 10, 11, 18, 19, 20};

template <std::size_t n>
void SumStripes(const Board& board, const StripeFamily& family, std::array<std::int32_t, n>& sums) {
  for (std::size_t p = 0; p < n; ++p) {
    const int first = FirstField(family, static_cast<int>(p));
    std::int64_t sum = 0;
    for (int k = 0; k < 5; ++k) sum += FieldValue(board[first + k * family.stride].Tag);
    sums[p] = static_cast<std::int32_t>(sum);
  }
}

// The first position (in testing order) whose sum makes a stripe, or -1.
template <std::size_t n>
int FirstStripe(const std::array<std::int32_t, n>& sums) {
  for (std::size_t p = 0; p < n; ++p) {
    if (IsWinningSum(FuenferSummen, sums[p])) return static_cast<int>(p);
  }
  return -1;
}

}  // namespace

// --- Stripes ----------------------------------------------------------------

void Game::Spalten() {
  SpaltenGefunden_ = false;
  SumStripes(board_, kColumnStripes, LinienSummen);
  const int p = FirstStripe(LinienSummen);
  if (p < 0) return;
  SpalteLeeren(FirstField(kColumnStripes, p));
  SpaltenTreffer();
}

void Game::Zeilen() {
  ZeilenGefunden_ = false;
  SumStripes(board_, kRowStripes, LinienSummen);
  const int p = FirstStripe(LinienSummen);
  if (p < 0) return;
  ZeileLeeren(FirstField(kRowStripes, p));
  ZeilenTreffer();
}

void Game::Diagonalen() {
  DiagonalenGefunden_ = false;
  SumStripes(board_, kDiagonalsRight, DiagonalSummenRechts);
  SumStripes(board_, kDiagonalsLeft, DiagonalSummenLinks);
  // Every down-right diagonal is tested before the first down-left one.
  if (const int p = FirstStripe(DiagonalSummenRechts); p >= 0) {
    DiagonaleRechtsLeeren(FirstField(kDiagonalsRight, p));
    DiagonalenTreffer();
  } else if (const int q = FirstStripe(DiagonalSummenLinks); q >= 0) {
    DiagonaleLinksLeeren(FirstField(kDiagonalsLeft, q));
    DiagonalenTreffer();
  }
}

void Game::StreifenLeeren(int first, int stride) {
  const std::array<int, 5> fields = {first, first + stride, first + 2 * stride, first + 3 * stride,
                                     first + 4 * stride};
  TellDissolving(Shape::kStripe, fields);
  for (int field : fields) FeldLeeren(field);
}

void Game::SpalteLeeren(int first) { StreifenLeeren(first, kColumnStripes.stride); }
void Game::ZeileLeeren(int first) { StreifenLeeren(first, kRowStripes.stride); }
void Game::DiagonaleRechtsLeeren(int first) { StreifenLeeren(first, kDiagonalsRight.stride); }
void Game::DiagonaleLinksLeeren(int first) { StreifenLeeren(first, kDiagonalsLeft.stride); }

// The flag rises only once the stripe has been credited.
void Game::SpaltenTreffer() {
  Treffer5er();
  SpaltenGefunden_ = true;
}

void Game::ZeilenTreffer() {
  Treffer5er();
  ZeilenGefunden_ = true;
}

void Game::DiagonalenTreffer() {
  Treffer5er();
  DiagonalenGefunden_ = true;
}

// --- Squares ----------------------------------------------------------------

namespace {

// Sums the squares at positions [from, to) and returns the first that shows
// one colour, or -1.
int FindSquare(const Board& board, std::array<std::int32_t, 49>& sums, int from, int to) {
  for (int p = from; p < to; ++p) {
    std::int64_t sum = 0;
    for (int offset : kSquareOffsets) sum += FieldValue(board[SquareFirstField(p) + offset].Tag);
    sums[p] = static_cast<std::int32_t>(sum);
  }
  for (int p = from; p < to; ++p) {
    if (IsWinningSum(NeunerSummen, sums[p])) return p;
  }
  return -1;
}

// The upper scan takes the squares whose top row is 0..3, the lower 4..6.
constexpr int kUpperSquares = 28;
constexpr int kAllSquares = 49;

}  // namespace

void Game::QuadrateOben() {
  QuadrateObenGefunden_ = false;
  const int p = FindSquare(board_, QuadratSummen, 0, kUpperSquares);
  if (p < 0) return;
  QuadratLeeren(SquareFirstField(p));
  QuadrateObenTreffer();
}

void Game::QuadrateUnten() {
  QuadrateUntenGefunden_ = false;
  const int p = FindSquare(board_, QuadratSummen, kUpperSquares, kAllSquares);
  if (p < 0) return;
  QuadratLeeren(SquareFirstField(p));
  QuadrateUntenTreffer();
}

void Game::QuadratLeeren(int first) {
  std::array<int, 9> fields{};
  std::transform(kSquareOffsets.begin(), kSquareOffsets.end(), fields.begin(),
                 [first](int offset) { return first + offset; });
  TellDissolving(Shape::kSquare, fields);
  for (int field : fields) FeldLeeren(field);
}

// A shape shows one colour; its jokers stand in for it.
void Game::TellDissolving(Shape shape, std::span<const int> fields) {
  PictureId colour = kJoker;
  for (int field : fields) {
    if (board_[field].Picture != kJoker) colour = board_[field].Picture;
  }
  host_.ShapeDissolving(shape, fields.front(), fields.back(), colour);
}

void Game::QuadrateObenTreffer() {
  Treffer9er();
  QuadrateObenGefunden_ = true;
}

void Game::QuadrateUntenTreffer() {
  Treffer9er();
  QuadrateUntenGefunden_ = true;
}

}  // namespace breliko::game
