#pragma once

#include <QString>

namespace breliko::highscore {

// Problems with the file go to stderr as well as to the player: the game
// itself has no log.
void ReportOnConsole(const QString& line);

// A system error as a text for the console.
QString SystemError(int error);

}  // namespace breliko::highscore
