#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace breliko::app {
namespace {

using Action = CommandLine::Action;

CommandLine Read(QStringList arguments) {
  arguments.prepend(QStringLiteral("breliko"));
  return ReadCommandLine(arguments);
}

TEST(CommandLine, WithoutArgumentsTheGameStartsInTheWorkingDirectory) {
  const CommandLine line = Read({});
  EXPECT_EQ(line.action, Action::kPlay);
  EXPECT_FALSE(line.options.userGameFolder);
}

TEST(CommandLine, TheMenuEntrysOptionChoosesTheUserGameFolder) {
  const CommandLine line = Read({QStringLiteral("--user-game-folder")});
  EXPECT_EQ(line.action, Action::kPlay);
  EXPECT_TRUE(line.options.userGameFolder);
}

TEST(CommandLine, SymbolsAreOffUnlessAsked) {
  EXPECT_FALSE(Read({}).options.tileSymbols);
  const CommandLine line = Read({QStringLiteral("--symbols")});
  EXPECT_EQ(line.action, Action::kPlay);
  EXPECT_TRUE(line.options.tileSymbols);
  EXPECT_FALSE(line.options.userGameFolder);
  const CommandLine both =
      Read({QStringLiteral("--user-game-folder"), QStringLiteral("--symbols")});
  EXPECT_TRUE(both.options.tileSymbols);
  EXPECT_TRUE(both.options.userGameFolder);
}

TEST(CommandLine, HelpNamesTheProgramAndEveryOption) {
  for (const char* help : {"--help", "-h", "--help-all"}) {
    const CommandLine line = Read({QString::fromLatin1(help)});
    EXPECT_EQ(line.action, Action::kPrint) << help;
    EXPECT_TRUE(line.text.startsWith(QStringLiteral("Usage: breliko "))) << line.text.toStdString();
    EXPECT_TRUE(line.text.contains(QStringLiteral("a colour board game"))) << "what it is";
    EXPECT_TRUE(line.text.contains(QStringLiteral("--user-game-folder"))) << help;
    EXPECT_TRUE(line.text.contains(QStringLiteral("--symbols"))) << help;
    EXPECT_TRUE(line.text.contains(QStringLiteral("F2"))) << "the key that switches them";
    EXPECT_FALSE(line.text.contains(QStringLiteral("-platform"))) << help;
  }
}

TEST(CommandLine, VersionPrintsTheNameVersionAndLicence) {
  QCoreApplication::setApplicationName(QStringLiteral("breliko"));
  QCoreApplication::setApplicationVersion(QStringLiteral("1.01"));
  const CommandLine line = Read({QStringLiteral("--version")});
  EXPECT_EQ(line.action, Action::kPrint);
  EXPECT_TRUE(
      line.text.startsWith(QStringLiteral("breliko 1.01\nCopyright (C) 2026 BRELIKO team\n")))
      << line.text.toStdString();
  EXPECT_TRUE(line.text.contains(QStringLiteral("License GPLv3+: GNU GPL version 3 or later")));
}

// A wrong command line never starts a game, and names what is wrong.
TEST(CommandLine, UnknownOptionsAndStrayArgumentsAreRefused) {
  const struct {
    QStringList arguments;
    const char* named;
  } cases[] = {
      {{QStringLiteral("--bogus")}, "bogus"},
      {{QStringLiteral("-x")}, "x"},
      {{QStringLiteral("P1.dat")}, "P1.dat"},
      {{QStringLiteral("--user-game-folder"), QStringLiteral("extra")}, "extra"},
      {{QStringLiteral("--version=2")}, "version"},
      {{QStringLiteral("-platform")}, "platform"},
  };
  for (const auto& c : cases) {
    const CommandLine line = Read(c.arguments);
    EXPECT_EQ(line.action, Action::kRefuse) << c.named;
    EXPECT_TRUE(line.text.contains(QString::fromLatin1(c.named))) << line.text.toStdString();
    EXPECT_FALSE(line.text.contains(QLatin1Char('\n'))) << line.text.toStdString();
  }
}

// QApplication takes its own options out of the arguments later; they must
// not be refused before it sees them.
TEST(CommandLine, QtsOwnWindowOptionsAreLetThrough) {
  const CommandLine line =
      Read({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style"),
            QStringLiteral("Fusion"), QStringLiteral("-reverse")});
  EXPECT_EQ(line.action, Action::kPlay);
}

// Each of Qt's own options that takes a value swallows it: the value is no
// stray argument for the game to refuse.
TEST(CommandLine, EachOfQtsOptionsTakesItsValue) {
  for (const char* option : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "geometry", "style", "stylesheet", "qmljsdebugger"}) {
    const CommandLine line =
        Read({QStringLiteral("-") + QLatin1String(option), QStringLiteral("x")});
    EXPECT_EQ(line.action, Action::kPlay) << option << ": " << line.text.toStdString();
  }
  for (const char* flag : {"reverse", "widgetcount", "nograb"}) {
    const CommandLine line = Read({QStringLiteral("-") + QLatin1String(flag), QStringLiteral("x")});
    EXPECT_EQ(line.action, Action::kRefuse) << flag << " takes no value";
  }
}

}  // namespace
}  // namespace breliko::app
