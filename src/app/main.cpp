// BRELIKO: a colour board game. Reads the command line, finds the sounds and
// the highscore file, starts the main window and runs until the quit button
// ends it.
#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/command_line.h"
#include "app/game_folders.h"
#include "app/program_end.h"
#include "app/sounds_from_folder.h"
#include "app/start_failure.h"
#include "app/tile_symbols_setting.h"
#include "game/random_source.h"
#include "highscore/highscore_file.h"
#include "sound/qt_clip_player.h"
#include "ui/main_window/main_window.h"

namespace {

using breliko::app::CommandLine;

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

void Complain(const QString& problem) {
  std::fprintf(stderr, "breliko: %s\n", qUtf8Printable(problem));
}

// The clock seeds the game's generator. Only the end-to-end tests, which
// replay a game worked out beforehand, fix the first seed through
// BRELIKO_TEST_SEED; every reseed then moves on to the next number.
std::unique_ptr<breliko::game::RandomSource> MakeRandomSource() {
  const char* seed = std::getenv("BRELIKO_TEST_SEED");
  if (seed != nullptr && *seed != '\0') {
    return std::make_unique<breliko::game::SeededRandomSource>(std::strtoull(seed, nullptr, 10));
  }
  return std::make_unique<breliko::game::ClockRandomSource>();
}

int Play(const breliko::app::StartOptions& options, int argc, char** argv) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(BRELIKO_APP_ID));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The program's windows stay alive between showings; only the quit button
  // ends the run.
  QApplication::setQuitOnLastWindowClosed(false);

  breliko::app::GameFolders folders = breliko::app::WorkingDirectoryFolders();
  if (options.userGameFolder) {
    breliko::app::FolderProblem problem;
    const auto userFolders =
        breliko::app::UserGameFolders(QCoreApplication::applicationDirPath(), problem);
    if (!userFolders) {
      breliko::app::ReportStartFailure(problem.console, problem.player);
      return 1;
    }
    folders = *userFolders;
  }

  const auto player = breliko::sound::MakeSystemSoundOutput();
  breliko::app::SoundsFromFolder sound(*player, folders.sounds);
  const auto random = MakeRandomSource();
  breliko::ui::Form1 form(sound, *random, breliko::highscore::HighscoreFile(folders.highscoreFile));
  form.SetTileSymbols(options.tileSymbols || breliko::app::RememberedTileSymbols());
  form.SetTileSymbolsSwitchedAction(breliko::app::RememberTileSymbols);
  form.Form_Load();
  form.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  // The names also name the settings file: ~/.config/breliko/breliko.conf.
  QCoreApplication::setOrganizationName(QStringLiteral("breliko"));
  QCoreApplication::setApplicationName(QStringLiteral("breliko"));
  QCoreApplication::setApplicationVersion(QStringLiteral(BRELIKO_VERSION));
  const CommandLine commandLine = breliko::app::ReadCommandLine(ArgumentsOf(argc, argv));
  switch (commandLine.action) {
    case CommandLine::Action::kPrint:
      std::fputs(qUtf8Printable(commandLine.text), stdout);
      return 0;
    case CommandLine::Action::kRefuse:
      Complain(commandLine.text + QStringLiteral(" See breliko --help."));
      return 2;
    case CommandLine::Action::kPlay:
      break;
  }
  // The sound output and the application are gone when Play returns; what
  // Qt Multimedia keeps beyond them cannot be torn down safely (see
  // EndProgram).
  breliko::app::EndProgram(Play(commandLine.options, argc, argv));
}
