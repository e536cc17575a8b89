#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace breliko::game {

inline constexpr int kRows = 9;
inline constexpr int kColumns = 9;
inline constexpr int kFieldCount = kRows * kColumns;

// FieldIndex = 9 × row + column, rows and columns 0..8 from the top left.
constexpr int FieldIndex(int row, int column) { return kColumns * row + column; }

// A picture is identified by the prototype it was copied from, `picF(0)` to
// `picF(9)`; two fields of one colour therefore hold the same picture.
using PictureId = int;
inline constexpr PictureId kNoPicture = -1;

// The prototypes held by `picF`: seven colours, the joker, flames, blocker.
enum Prototype : PictureId {
  kRed = 0,
  kOrange = 1,
  kYellow = 2,
  kGreen = 3,
  kCyan = 4,
  kBlue = 5,
  kMagenta = 6,
  kJoker = 7,
  kFlames = 8,
  kBlocker = 9,
};
inline constexpr int kPrototypeCount = 10;

// The `Tag` texts that give a field its meaning.
inline constexpr std::string_view kEmptyTag = "0";
inline constexpr std::string_view kBlockerTag = "voll";
inline constexpr std::string_view kMarkedTag = "peng";

// The `Tag` of each prototype. Every colour is its own power of ten and the
// joker counts 1, so the sum over five or nine fields tells how many of each
// colour (one decimal digit each) and how many jokers (the units) they hold.
inline constexpr std::array<std::string_view, kPrototypeCount> kPrototypeTags = {
    "10000000", "1000000", "100000", "10000", "1000", "100", "10", "1", "", ""};

// The state of one picture box of the board.
struct Field {
  PictureId Picture = kNoPicture;
  std::string Tag{kEmptyTag};
  int DragMode = 0;  // 1: a press on the field starts dragging it
  bool Enabled = true;

  bool IsEmpty() const { return Tag == kEmptyTag; }
  bool HasPicture() const { return Picture != kNoPicture; }
};

using Board = std::array<Field, kFieldCount>;

// The number a `Tag` spells, read as a decimal number from its leading
// digits; a text that does not start with a digit ("voll", "peng") counts 0.
std::int64_t FieldValue(std::string_view tag);

}  // namespace breliko::game
