// Every place on the board where a stripe or a square fits is found by the
// scan of its family and by no other; a run of fields that only the field
// numbering makes look straight, wrapping round the board's edge, is found
// by none. The places come from rows and columns here, not from the scans'
// own tables.
#include <string>
#include <vector>

#include "game_fixture.h"

namespace breliko::game::testing {
namespace {

using Scan = void (Game::*)();

struct NamedScan {
  const char* name;
  Scan scan;
};

constexpr NamedScan kScans[] = {{"Spalten", &Game::Spalten},
                                {"Zeilen", &Game::Zeilen},
                                {"Diagonalen", &Game::Diagonalen},
                                {"QuadrateOben", &Game::QuadrateOben},
                                {"QuadrateUnten", &Game::QuadrateUnten}};

// A straight line of five, by the step from one field to the next.
struct Direction {
  const char* name;
  Scan scan;
  int rowStep;
  int columnStep;
};

constexpr Direction kDirections[] = {{"column", &Game::Spalten, 1, 0},
                                     {"row", &Game::Zeilen, 0, 1},
                                     {"down right", &Game::Diagonalen, 1, 1},
                                     {"down left", &Game::Diagonalen, 1, -1}};

bool OnBoard(int row, int column) { return row >= 0 && row < 9 && column >= 0 && column < 9; }

class ScanPositionsTest : public GameTest {
 protected:
  // Lays the fields alone on an empty board, in green, runs the scan and
  // tells whether it dissolved exactly them.
  bool Dissolves(const std::vector<int>& fields, Scan scan, int points) {
    game.cmdSpielAbbrechen_Click();
    for (int field : fields) game.Belegen(field, kGreen);
    // A square's reward burns the jokers, of which there are none.
    if (points == 17) random.Script({DissolvedColourDraw(kJoker)});
    (game.*scan)();
    if (game.Punkte() == 0 && Occupied() == static_cast<int>(fields.size())) return false;
    EXPECT_EQ(Occupied(), 0) << Picture();
    EXPECT_EQ(game.Punkte(), points);
    return true;
  }

  // Runs every scan on the fields and expects only `finder` to dissolve them.
  void ExpectFoundOnlyBy(const std::vector<int>& fields, Scan finder, int points) {
    for (const NamedScan& s : kScans) {
      SCOPED_TRACE(s.name);
      const bool found = s.scan == finder;
      EXPECT_EQ(Dissolves(fields, s.scan, found ? points : 0), found) << Picture();
    }
  }
};

TEST_F(ScanPositionsTest, EveryStripeThatFitsIsFoundByItsOwnScanAlone) {
  for (const Direction& d : kDirections) {
    for (int row = 0; row < 9; ++row) {
      for (int column = 0; column < 9; ++column) {
        if (!OnBoard(row + 4 * d.rowStep, column + 4 * d.columnStep)) continue;
        std::vector<int> fields;
        for (int k = 0; k < 5; ++k) {
          fields.push_back(FieldIndex(row + k * d.rowStep, column + k * d.columnStep));
        }
        SCOPED_TRACE(std::string(d.name) + " from field " + std::to_string(fields[0]));
        ExpectFoundOnlyBy(fields, d.scan, 4);
      }
    }
  }
}

TEST_F(ScanPositionsTest, FiveFieldsWrappingRoundTheEdgeAreNoStripe) {
  for (const Direction& d : kDirections) {
    const int stride = 9 * d.rowStep + d.columnStep;
    for (int first = 0; first + 4 * stride < kFieldCount; ++first) {
      const int row = first / 9;
      const int column = first % 9;
      if (OnBoard(row + 4 * d.rowStep, column + 4 * d.columnStep)) continue;
      std::vector<int> fields;
      for (int k = 0; k < 5; ++k) fields.push_back(first + k * stride);
      SCOPED_TRACE(std::string(d.name) + " wrapping from field " + std::to_string(first));
      ExpectFoundOnlyBy(fields, nullptr, 0);
    }
  }
}

// Squares with their top row in rows 0 to 3 belong to the upper scan, those
// with it in rows 4 to 6 to the lower one.
TEST_F(ScanPositionsTest, EverySquareIsFoundByTheScanOfItsHalfAlone) {
  for (int first = 0; first + 20 < kFieldCount; ++first) {
    const std::vector<int> fields = {first,      first + 1,  first + 2,  first + 9, first + 10,
                                     first + 11, first + 18, first + 19, first + 20};
    const bool fits = first % 9 <= 6;
    const Scan finder = !fits            ? nullptr
                        : first / 9 <= 3 ? &Game::QuadrateOben
                                         : &Game::QuadrateUnten;
    SCOPED_TRACE("square from field " + std::to_string(first));
    ExpectFoundOnlyBy(fields, finder, 17);
  }
}

}  // namespace
}  // namespace breliko::game::testing
