// What the player reads in the windows: every fixed text, character for
// character as the game's design gives it, and the score and the buttons
// after each way a game ends and at the start of the next.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <functional>

#include "main_window_fixture.h"
#include "ui/highscore_windows/highscore_list_window.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/highscore_windows/name_entry_window.h"
#include "ui/highscore_windows/reset_window.h"

namespace breliko::ui::testing {
namespace {

using namespace form1;

// The nine command buttons' captions, in the order of form1::Button.
const std::array<QString, kButtonCount> kCaptions = {
    QStringLiteral("startigi &ludon"),   QStringLiteral("ĉesigi &partion"),
    QStringLiteral("&malkonekti sonon"), QStringLiteral("ŝanĝi fonan &koloron"),
    QStringLiteral("lud&regularo"),      QStringLiteral("&informado"),
    QStringLiteral("montri &highscore"), QStringLiteral("re&novigi highscore"),
    QStringLiteral("&fini programon"),
};

// The lines of a panel as it shows them.
QStringList PanelLines(const QTextEdit* panel) {
  return panel->toPlainText().split(QLatin1Char('\n'));
}

// The last line of a panel that holds more than blanks, without its indent.
QString LastWords(const QTextEdit* panel) {
  QStringList lines = PanelLines(panel);
  while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
  return lines.isEmpty() ? QString() : lines.last().trimmed();
}

QString LineOf(const QTextEdit* panel, int line) {
  const QStringList lines = PanelLines(panel);
  return line < lines.size() ? lines[line] : QString();
}

struct Text {
  std::string where;
  std::function<QString()> shown;
  QString expected;
};

TEST_F(Form1Test, EveryFixedTextReadsAsDesigned) {
  HighscoreWindows& small = *form.highscoreWindows();
  std::vector<Text> texts = {
      {"main window title", [&] { return form.windowTitle(); }, QString()},
      {"title label", [&] { return TitleLabel(form)->text(); }, QStringLiteral("BRELIKO")},
      {"tree button", [&] { return CmdGo(form)->text(); }, QStringLiteral("Go")},
      {"sound switch once clicked",
       [&] {
         CommandButton(form, kTonEinschaltenAusschalten)->click();
         const QString caption = CommandButton(form, kTonEinschaltenAusschalten)->text();
         CommandButton(form, kTonEinschaltenAusschalten)->click();
         return caption;
       },
       QStringLiteral("konekti &sonon")},
      {"rules panel, closing wish", [&] { return LastWords(RulesPanel(form)); },
       QStringLiteral("Multan plezuron!")},
      {"information panel, line 5", [&] { return LineOf(InformationPanel(form), 4); },
       QStringLiteral("BRELIKO")},
      {"information panel, line 6", [&] { return LineOf(InformationPanel(form), 5); },
       QStringLiteral("versio 1.01")},
      {"information panel, line 7", [&] { return LineOf(InformationPanel(form), 6); },
       QStringLiteral("8.99")},
      {"information panel, line 11", [&] { return LineOf(InformationPanel(form), 10); },
       QStringLiteral("tabulludo")},
      {"list title", [&] { return small.form2()->windowTitle(); }, QStringLiteral("Highscore")},
      {"list button before the show command", [&] { return small.form2()->cmdWeiter->text(); },
       QStringLiteral("&kontinui")},
      {"name entry title", [&] { return small.form3()->windowTitle(); },
       QStringLiteral("Spielername")},
      {"name entry question", [&] { return small.form3()->lblFrage->text(); },
       QStringLiteral("Kiu atingis tian grandan nombron da punktoj?")},
      {"name entry button", [&] { return small.form3()->cmdWeiter->text(); },
       QStringLiteral("&kontinui")},
      {"reset question title", [&] { return small.form4()->windowTitle(); }, QString()},
      {"reset question", [&] { return small.form4()->lblFrage->text(); },
       QStringLiteral("Ĉu efektive vi volas dissolvigi la highscore?")},
      {"reset yes", [&] { return small.form4()->cmdJa->text(); }, QStringLiteral("&jes")},
      {"reset no", [&] { return small.form4()->cmdNein->text(); }, QStringLiteral("&ne")},
  };
  for (int b = 0; b < kButtonCount; ++b) {
    texts.push_back({kButtons[b].name, [this, b] { return CommandButton(form, Button(b))->text(); },
                     kCaptions[b]});
  }
  for (int row = 0; row < 11; ++row) {
    texts.push_back({"list rank " + std::to_string(row + 1),
                     [&small, row] { return small.form2()->txtRang[row]->text(); },
                     QString::number(row + 1)});
  }
  // Last: the show command renames the list's button for the rest of the run.
  texts.push_back({"list button after the show command",
                   [&] {
                     CommandButton(form, kHighscoreAnzeigen)->click();
                     return small.form2()->cmdWeiter->text();
                   },
                   QStringLiteral("reiri")});
  for (const Text& text : texts) EXPECT_EQ(text.shown(), text.expected) << text.where;
}

// --- ways a game ends ----------------------------------------------------------------

// Two empty fields, 79 and 80, on a board whose colours can never line up:
// (2 × row + column) mod 7 differs along every line of five.
void FillAllButTwo(Form1& form) {
  for (int i = 0; i < game::kFieldCount - 2; ++i) form.game().Belegen(i, (2 * (i / 9) + i % 9) % 7);
  form.game().SetField(79, game::Field{});
  form.game().SetField(80, game::Field{});
}

// A column of jokers scores a stripe: 4 points.
void ScoreAStripe(Form1& form) {
  for (int row = 0; row < 5; ++row) form.game().Belegen(9 * row, game::kJoker);
  form.game().Spalten();
}

struct Ending {
  const char* name;
  std::function<void(Form1&)> play;  // from a game just started
  QString score;                     // the score label afterwards
  bool asksName;
  bool frozen;  // the board takes no drag and the start button stays hidden
};
void PrintTo(const Ending& ending, std::ostream* os) { *os << ending.name; }

class EndingTest : public Form1Test, public ::testing::WithParamInterface<Ending> {
 protected:
  // The buttons read as designed, and every one that shows takes a click.
  void ExpectButtonsAsDesigned(const char* when) {
    for (int b = 0; b < kButtonCount; ++b) {
      const QPushButton* button = CommandButton(form, Button(b));
      EXPECT_EQ(button->text(), kCaptions[b]) << when;
      EXPECT_TRUE(button->isEnabled()) << kButtons[b].name << " " << when;
    }
  }
  int EnabledFields() {
    int enabled = 0;
    for (int i = 0; i < game::kFieldCount; ++i) enabled += Field(form, i)->isEnabled() ? 1 : 0;
    return enabled;
  }
};

TEST_P(EndingTest, TheWindowShowsTheEndAndTheNextStartAfresh) {
  const Ending& ending = GetParam();
  form.show();
  CommandButton(form, kSpielStarten)->click();
  ending.play(form);

  EXPECT_EQ(ScoreLabel(form)->text(), ending.score);
  EXPECT_EQ(form.highscoreWindows()->form3()->isVisible(), ending.asksName);
  // The list's hidden eleventh row holds the score the name is asked for.
  if (ending.asksName) {
    EXPECT_EQ(form.highscoreWindows()->form2()->txtWert[10]->text(), ending.score);
  }
  EXPECT_EQ(EnabledFields(), ending.frozen ? 0 : game::kFieldCount);
  EXPECT_EQ(CommandButton(form, kSpielStarten)->isVisible(), !ending.frozen);
  ExpectButtonsAsDesigned("after the end");

  // A player starts again; after a full board the start button comes back
  // only with a cancel.
  form.highscoreWindows()->form3()->hide();
  if (!CommandButton(form, kSpielStarten)->isVisible()) {
    CommandButton(form, kSpielAbbrechen)->click();
  }
  CommandButton(form, kSpielStarten)->click();
  EXPECT_EQ(ScoreLabel(form)->text(), QStringLiteral("0"));
  EXPECT_EQ(OccupiedFields(), 3);
  EXPECT_EQ(EnabledFields(), game::kFieldCount);
  EXPECT_FALSE(CommandButton(form, kSpielStarten)->isVisible());
  ExpectButtonsAsDesigned("at the next start");
}

INSTANTIATE_TEST_SUITE_P(Endings, EndingTest,
                         ::testing::Values(Ending{"FullBoardAboveTheTenthPlace",
                                                  [](Form1& form) {
                                                    ScoreAStripe(form);
                                                    FillAllButTwo(form);
                                                    form.game().picP_DragDrop(0, 0);
                                                  },
                                                  QStringLiteral("4"), true, true},
                                           Ending{"FullBoardWithoutPoints",
                                                  [](Form1& form) {
                                                    FillAllButTwo(form);
                                                    form.game().picP_DragDrop(0, 0);
                                                  },
                                                  QStringLiteral("0"), false, true},
                                           Ending{"CancelAfterAStripe",
                                                  [](Form1& form) {
                                                    ScoreAStripe(form);
                                                    CommandButton(form, kSpielAbbrechen)->click();
                                                  },
                                                  QStringLiteral("0"), false, false},
                                           Ending{"CancelOfAFullBoard",
                                                  [](Form1& form) {
                                                    ScoreAStripe(form);
                                                    FillAllButTwo(form);
                                                    form.game().picP_DragDrop(0, 0);
                                                    form.highscoreWindows()->form3()->hide();
                                                    CommandButton(form, kSpielAbbrechen)->click();
                                                  },
                                                  QStringLiteral("0"), false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace breliko::ui::testing
