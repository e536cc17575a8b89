#include "game_fixture.h"

#include <sstream>

namespace breliko::game::testing {

double ScriptedRandom::Next() {
  if (values_.empty()) {
    if (overdrawn_++ == 0)
      ADD_FAILURE() << "the rules drew more random numbers than the test scripted";
    // Numbers spread over [0, 1), so that a draw repeated until it finds an
    // empty field still ends and the test reports instead of hanging.
    return static_cast<double>(overdrawn_ % 97) / 97.0;
  }
  const double value = values_.front();
  values_.pop_front();
  return value;
}

// The middle of the interval that floors to the wanted value, so that no
// rounding of the factor can push it across.
double ColourDraw(int colour) { return (colour + 0.5) / 7.18; }
double PositionDraw(int index) { return (index + 0.5) / 81.0; }
double DissolvedColourDraw(int colour) { return (colour + 0.5) / 8.0; }

namespace {

Field FieldFromSymbol(char symbol) {
  Field field;
  if (symbol == '.') return field;
  if (symbol == 'X') return Field{kBlocker, std::string(kBlockerTag), 0, true};
  if (symbol == 'F') return Field{kFlames, std::string(kMarkedTag), 1, true};
  const auto colour = kColourSymbols.find(symbol);
  if (colour == std::string_view::npos) {
    ADD_FAILURE() << "unknown board symbol '" << symbol << "'";
    return field;
  }
  const int index = static_cast<int>(colour);
  return Field{index, std::string(kPrototypeTags[index]), 1, true};
}

}  // namespace

Board BoardFromPicture(const std::vector<std::string>& rows) {
  Board board;
  EXPECT_LE(rows.size(), 9u) << "a board has nine rows";
  for (std::size_t row = 0; row < rows.size() && row < 9; ++row) {
    std::istringstream symbols(rows[row]);
    char symbol;
    int column = 0;
    while (symbols >> symbol && column < 9)
      board[FieldIndex(row, column++)] = FieldFromSymbol(symbol);
    EXPECT_EQ(column, 9) << "row " << row << " needs nine symbols";
  }
  return board;
}

void FakeHost::FieldChanged(int index) {
  if (shownGame_ != nullptr) shown[index] = shownGame_->picP(index);
  if (watched_ == nullptr) return;
  const bool empty = watched_->picP(index).IsEmpty();
  if (empty && !wasEmpty_[index]) emptied.push_back(index);
  wasEmpty_[index] = empty;
}

void FakeHost::Watch(const Game& game) {
  for (int i = 0; i < kFieldCount; ++i) wasEmpty_[i] = game.picP(i).IsEmpty();
  watched_ = &game;
  emptied.clear();
}

void GameTest::Lay(const std::vector<std::string>& rows) {
  const Board board = BoardFromPicture(rows);
  for (int i = 0; i < kFieldCount; ++i) game.SetField(i, board[i]);
}

void GameTest::TearDown() {
  for (int i = 0; i < kFieldCount; ++i) {
    EXPECT_EQ(host.shown[i].Picture, game.picP(i).Picture) << "the window shows field " << i;
    EXPECT_EQ(host.shown[i].Enabled, game.picP(i).Enabled) << "the window shows field " << i;
  }
}

int GameTest::Occupied() const {
  int occupied = 0;
  for (const Field& field : game.picP()) occupied += field.IsEmpty() ? 0 : 1;
  return occupied;
}

void GameTest::ScriptQuietTurn(const std::vector<std::pair<int, int>>& newFields) {
  for (const auto& [colour, index] : newFields)
    random.Script({ColourDraw(colour), PositionDraw(index)});
  random.Script({kNoChanceDissolution, DissolvedColourDraw(0), kNoBlocker, PositionDraw(0)});
}

}  // namespace breliko::game::testing
