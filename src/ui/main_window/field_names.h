// Main window: what a field says to a screen reader.
#pragma once

#include <QString>

#include "game/board.h"

namespace breliko::ui {

// A field's accessible name, in Esperanto like every text of the game: its
// row and column counted from 1 and what lies on it, as in
// "vico 3, kolumno 5: ruĝa" or "vico 9, kolumno 1: malplena".
QString FieldName(int index, game::PictureId picture);

// The score label's accessible name, as in "poentoj: 12".
QString ScoreName(int punkte);

// Where a field lies, as its name begins: "vico 3, kolumno 5".
QString FieldPlace(int index);

// A colour as the word before a noun, "ruĝa" to "magenta", and "ĵokera"
// for the jokers.
QString ColourWord(game::PictureId colour);

}  // namespace breliko::ui
