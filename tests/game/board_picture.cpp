#include "board_picture.h"

namespace breliko::game::testing {

namespace {

char SymbolOf(const Field& field) {
  if (field.Tag == kEmptyTag) return field.HasPicture() ? '?' : '.';
  if (field.Tag == kBlockerTag) return 'X';
  if (field.Tag == kMarkedTag) return 'F';
  if (field.Picture >= 0 && field.Picture < static_cast<int>(kColourSymbols.size()))
    return kColourSymbols[field.Picture];
  return '?';
}

}  // namespace

std::string PictureOf(const Board& board) {
  std::string text = "\n";
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      text += SymbolOf(board[FieldIndex(row, column)]);
      text += column < 8 ? ' ' : '\n';
    }
  }
  return text;
}

}  // namespace breliko::game::testing
