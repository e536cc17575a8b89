// Start-up: where the game finds its sounds and keeps its highscore list.
#include "app/game_folders.h"

#include <QDir>
#include <QStandardPaths>

namespace breliko::app {

namespace {

constexpr char kHighscoreFileName[] = "P1.dat";

}  // namespace

GameFolders WorkingDirectoryFolders() {
  return {QStringLiteral("sounds"), QString::fromLatin1(kHighscoreFileName)};
}

std::optional<GameFolders> UserGameFolders(const QString& programFolder, FolderProblem& problem) {
  const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (dataHome.isEmpty()) {
    problem = {QStringLiteral("no folder for the player's data (set XDG_DATA_HOME or HOME)"),
               QStringLiteral("Mankas dosierujo por la datumoj de la ludanto "
                              "(difinu XDG_DATA_HOME aŭ HOME).")};
    return std::nullopt;
  }
  const QString gameFolder = QDir(dataHome).filePath(QStringLiteral("breliko"));
  if (!QDir().mkpath(gameFolder)) {
    problem = {QStringLiteral("cannot make the game folder %1").arg(gameFolder),
               QStringLiteral("Ne eblas krei la luddosierujon %1.").arg(gameFolder)};
    return std::nullopt;
  }
  // BRELIKO_INSTALLED_SOUNDS is the sounds' place relative to the program's
  // own folder, so an installed tree can be moved as a whole.
  const QString sounds =
      QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(BRELIKO_INSTALLED_SOUNDS)));
  return GameFolders{sounds, QDir(gameFolder).filePath(QString::fromLatin1(kHighscoreFileName))};
}

}  // namespace breliko::app
