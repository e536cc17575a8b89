// What a screen reader is told after each kind of drop: the game's own
// report of the turn, put into Esperanto sentences by the main window's
// story. The rules run for real on boards laid out by hand, with the random
// draws scripted.
#include "ui/main_window/turn_story.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/quiet_host.h"
#include "game_fixture.h"

namespace breliko::ui {
namespace {

using game::testing::BoardFromPicture;
using game::testing::ColourDraw;
using game::testing::DissolvedColourDraw;
using game::testing::PositionDraw;

// Passes the game's report on to the story, as the main window does.
class StoryHost : public game::QuietHost {
 public:
  void ScoreChanged(int punkte) override { story.Scored(punkte); }
  void TileMoved(int /*from*/, int to) override { story.Moved(to); }
  void ShapeDissolving(game::Shape shape, int first, int last, game::PictureId colour) override {
    story.Dissolving(shape, first, last, colour);
  }
  void TilePlaced(int index) override { story.Placed(index, game->picP(index).Picture); }
  void ColourBurning(game::PictureId colour) override { story.Burning(colour); }
  void BlockerPlaced(int index) override { story.Blocked(index); }
  void GameEnded(int punkte) override { story.Ended(punkte); }

  const game::Game* game = nullptr;
  TurnStory story;
};

// Three new tiles: red on field 10, blue on 20, a joker on 80.
const std::vector<double> kThreeNewTiles = {ColourDraw(game::kRed),   PositionDraw(10),
                                            ColourDraw(game::kBlue),  PositionDraw(20),
                                            ColourDraw(game::kJoker), PositionDraw(80)};
constexpr const char* kThreeNewTilesTold =
    "Novaj kampoj: vico 2, kolumno 2: ruĝa; vico 3, kolumno 3: blua; vico 9, kolumno 9: ĵokero.";
const std::vector<double> kNoChances = {game::testing::kNoChanceDissolution,
                                        DissolvedColourDraw(game::kRed), game::testing::kNoBlocker,
                                        PositionDraw(30)};

std::vector<double> Joined(std::vector<std::vector<double>> parts) {
  std::vector<double> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(TurnStory, EachKindOfDropIsToldInItsOwnWords) {
  std::vector<std::string> almostFull = game::testing::kAlmostFull;
  const struct {
    const char* kind;
    std::vector<std::string> board;
    int source;
    int target;
    std::vector<double> draws;
    std::string told;
  } cases[] = {
      {"a click on a tile: it stays, three new tiles come",
       {"R . . . . . . . ."},
       0,
       0,
       Joined({kThreeNewTiles, kNoChances}),
       std::string("La kampo restis. ") + kThreeNewTilesTold},
      {"a move and three new tiles",
       {"R . . . . . . . ."},
       0,
       4,
       Joined({kThreeNewTiles, kNoChances}),
       std::string("La kampo iris al vico 1, kolumno 5. ") + kThreeNewTilesTold},
      {"a stripe down a column, its joker standing in for red",
       {". . . . . . . . R", ". R . . . . . . .", ". R . . . . . . .", ". R . . . . . . .",
        ". J . . . . . . ."},
       8,
       1,
       {},
       "La kampo iris al vico 1, kolumno 2. Ruĝa strio solviĝis de vico 1, kolumno 2 ĝis "
       "vico 5, kolumno 2: 4 poentoj. Poentoj: 4."},
      {"a square, and the colour its reward burns",
       {"B B B . . . . . .", "B B B . . . . . .", "B B . . . . . . .", ". . . B . . . . G"},
       30,
       20,
       {DissolvedColourDraw(game::kGreen)},
       "La kampo iris al vico 3, kolumno 3. Blua kvadrato solviĝis de vico 1, kolumno 1 ĝis "
       "vico 3, kolumno 3: 17 poentoj. Ĉiu verda kampo brulas. Poentoj: 17."},
      {"a colour dissolution by chance, of the jokers",
       {"C . . . . . . . ."},
       0,
       0,
       Joined({kThreeNewTiles,
               {game::testing::kChanceDissolution, DissolvedColourDraw(game::kJoker),
                game::testing::kNoBlocker, PositionDraw(30)}}),
       std::string("La kampo restis. ") + kThreeNewTilesTold + " Ĉiu ĵokera kampo brulas."},
      {"a blocker",
       {"R . . . . . . . ."},
       0,
       0,
       Joined({kThreeNewTiles,
               {game::testing::kNoChanceDissolution, DissolvedColourDraw(game::kRed),
                game::testing::kBlockerComes, PositionDraw(40)}}),
       std::string("La kampo restis. ") + kThreeNewTilesTold +
           " Nova blokita kampo: vico 5, kolumno 5."},
      {"the last two fields filled: the game ends",
       almostFull,
       0,
       0,
       {ColourDraw(game::kJoker), PositionDraw(79), ColourDraw(game::kJoker), PositionDraw(80)},
       "La kampo restis. Novaj kampoj: vico 9, kolumno 8: ĵokero; vico 9, kolumno 9: ĵokero. "
       "La ludo finiĝis, ĉiuj kampoj estas okupitaj. Poentoj: 0."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    game::testing::ScriptedRandom random;
    StoryHost host;
    game::Game game(host, random);
    host.game = &game;
    const game::Board board = BoardFromPicture(c.board);
    for (int i = 0; i < game::kFieldCount; ++i) game.SetField(i, board[i]);
    random.Script(c.draws);

    host.story.Dropped();  // as the window does when it hands a drop on
    game.picP_DragDrop(c.target, c.source);

    EXPECT_EQ(host.story.Take().toStdString(), c.told);
    EXPECT_EQ(random.Left(), 0u) << "the rules took other draws than the row states";
  }
}

}  // namespace
}  // namespace breliko::ui
