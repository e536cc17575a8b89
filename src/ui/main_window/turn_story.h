// Main window: what a turn brought, told in a few short Esperanto sentences.
#pragma once

#include <QString>
#include <QStringList>

#include "game/board.h"
#include "game/game_host.h"

namespace breliko::ui {

// Gathers what the game reports while a start, a drop or a cancel runs,
// and tells it afterwards in the words the fields already carry:
//   "La kampo iris al vico 2, kolumno 3. Novaj kampoj: vico 1, kolumno 1:
//    ruĝa; vico 4, kolumno 6: blua; vico 9, kolumno 9: ĵokero."
// A player who cannot see the board learns from it where the new tiles lie
// without walking all 81 fields.
class TurnStory {
 public:
  // What the player did.
  void Started();
  void Dropped();
  void Cancelled();

  // What the game reports, in its order.
  void Moved(int to);
  void Dissolving(game::Shape shape, int first, int last, game::PictureId colour);
  void Scored(int punkte);
  void Placed(int index, game::PictureId picture);
  void Burning(game::PictureId colour);
  void Blocked(int index);
  void Ended(int punkte);

  // The story so far, empty when nothing happened; the next one starts
  // afresh.
  QString Take();

 private:
  void Add(const QString& sentence);
  void CloseNewTiles();

  QStringList sentences_;
  QStringList newTiles_;
  int stayedAt_ = -1;          // the sentence a move would replace
  int shapeAt_ = -1;           // the sentence the shape's points complete
  int score_ = 0;              // the score last reported
  bool scoreChanged_ = false;  // and changed by this turn
};

}  // namespace breliko::ui
