// Start-up: what the command line asks of the program, read the Qt way.
#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <array>

namespace breliko::app {

namespace {

// The options QGuiApplication and QApplication take out of the arguments
// themselves. They are known here only so that they are not refused.
struct QtOption {
  const char* name;
  bool takesValue;
};
constexpr std::array<QtOption, 16> kQtOptions = {{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
}};

void AddQtOptions(QCommandLineParser& parser) {
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(qt.name));
    if (qt.takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// The licence after the version, in the GNU form that help2man turns into
// the manual page's COPYRIGHT section.
constexpr char kLicenceNotice[] =
    "Copyright (C) 2026 BRELIKO team\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // Qt's own options are written with one dash (-platform xcb).
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "BRELIKO, a colour board game: drag tiles into stripes of five and squares of "
      "three by three. Without a mouse: the arrow keys move a cursor, Space or Enter "
      "picks up and drops a tile, Escape puts it back."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption userGameFolder(
      QStringLiteral(BRELIKO_USER_FOLDER_OPTION),
      QStringLiteral("Keep the highscore list P1.dat in the player's game folder "
                     "($XDG_DATA_HOME/breliko) and play the installed sounds, instead of "
                     "both in the working directory. The desktop menu entry starts the game "
                     "this way."));
  parser.addOption(userGameFolder);
  const QCommandLineOption tileSymbols(
      QStringLiteral("symbols"),
      QStringLiteral("Show a symbol on each of the seven colour tiles (disc, triangle, square, "
                     "diamond, cross, ring, star), for players who cannot tell the colours apart. "
                     "During play F2 switches the symbols on and off, and the game remembers "
                     "what F2 chose."));
  parser.addOption(tileSymbols);
  AddQtOptions(parser);

  if (!parser.parse(arguments)) {
    return {CommandLine::Action::kRefuse, {}, parser.errorText()};
  }
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    // Without a running application Qt does not know the program's name.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QFileInfo(arguments.value(0)).fileName());
    return {CommandLine::Action::kPrint, {}, text};
  }
  if (parser.isSet(version)) {
    return {CommandLine::Action::kPrint,
            {},
            QCoreApplication::applicationName() + QLatin1Char(' ') +
                QCoreApplication::applicationVersion() + QLatin1Char('\n') +
                QLatin1String(kLicenceNotice)};
  }
  if (!parser.positionalArguments().isEmpty()) {
    return {CommandLine::Action::kRefuse,
            {},
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())};
  }
  return {
      CommandLine::Action::kPlay, {parser.isSet(userGameFolder), parser.isSet(tileSymbols)}, {}};
}

}  // namespace breliko::app
