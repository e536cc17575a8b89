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

// Started from the desktop menu: the list in the player's game folder,
// $XDG_DATA_HOME/breliko (~/.local/share/breliko without it), which is made
// here if it is missing; the sounds installed beside the program in
// `programFolder`. Nothing without the game folder, with the reason in
// `problem`.
std::optional<GameFolders> UserGameFolders(const QString& programFolder, QString& problem);

}  // namespace breliko::app
