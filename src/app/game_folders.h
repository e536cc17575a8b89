// Start-up: where the game finds its sounds and keeps its highscore list.
#pragma once

#include <QString>
#include <optional>

namespace breliko::app {

struct GameFolders {
  // The folder that holds sound1.wav to sound7.wav.
  QString sounds;
  // The highscore list.
  QString highscoreFile;
};

// Started from a folder: both relative to the working directory.
GameFolders WorkingDirectoryFolders();

// Why there is no game folder: a line for standard error, in English like
// --help, and the same for the player's window, in Esperanto like every
// other text of the game.
struct FolderProblem {
  QString console;
  QString player;
};

// Started from the desktop menu: the list in the player's game folder,
// $XDG_DATA_HOME/breliko (~/.local/share/breliko without it), which is made
// here if it is missing; the sounds installed beside the program in
// `programFolder`. Nothing without the game folder, with the reason in
// `problem`.
std::optional<GameFolders> UserGameFolders(const QString& programFolder, FolderProblem& problem);

}  // namespace breliko::app
