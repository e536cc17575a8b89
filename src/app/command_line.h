// Start-up: what the command line asks of the program, read the Qt way.
#pragma once

#include <QString>
#include <QStringList>

namespace breliko::app {

// How the game was asked to run.
struct StartOptions {
  // Started from the desktop menu: the highscore list lives in the player's
  // own game folder and the sounds come from where the program is installed,
  // instead of both being found in the working directory.
  bool userGameFolder = false;
  // Symbols on the colour tiles for this run, for players who cannot tell
  // the colours apart; F2 switches them during play.
  bool tileSymbols = false;
};

struct CommandLine {
  enum class Action {
    kPlay,    // start the game with `options`
    kPrint,   // print `text` (help or version) and end successfully
    kRefuse,  // print `text`, one line on what is wrong, and end with a failure
  };
  Action action = Action::kPlay;
  StartOptions options;
  QString text;
};

// Reads the program's arguments, the program's name first. Qt's own window
// options (-platform, -style and the like) are let through for QApplication.
CommandLine ReadCommandLine(const QStringList& arguments);

}  // namespace breliko::app
