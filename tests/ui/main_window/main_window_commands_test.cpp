// The command buttons of the main window and their access keys.
#include <gmock/gmock.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <functional>
#include <set>

#include "main_window_fixture.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui::testing {
namespace {

using namespace form1;

// An access key acts at once, as a click does: no wait between key and effect.
TEST_F(Form1Test, AltLStartsAGameWhileTheStartButtonShows) {
  ShowAndActivate();
  QTest::keyClick(&form, Qt::Key_L, Qt::AltModifier);
  EXPECT_EQ(OccupiedFields(), 3);
  EXPECT_FALSE(CommandButton(form, kSpielStarten)->isVisible());
  EXPECT_EQ(sound.played.back(), "sounds/sound2.wav/1");

  // Hidden, the start button no longer answers to its key.
  QTest::keyClick(&form, Qt::Key_L, Qt::AltModifier);
  EXPECT_EQ(sound.played.size(), 2u);

  QTest::keyClick(&form, Qt::Key_P, Qt::AltModifier);
  EXPECT_EQ(OccupiedFields(), 0);
  EXPECT_TRUE(CommandButton(form, kSpielStarten)->isVisible());
  EXPECT_TRUE(CommandButton(form, kSpielStarten)->hasFocus());
}

TEST_F(Form1Test, AltFEndsTheProgram) {
  ShowAndActivate();
  QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(quits, 1);
}

TEST_F(Form1Test, ClosingTheWindowFromOutsideEndsTheProgramToo) {
  form.show();
  form.close();
  EXPECT_EQ(quits, 1);
}

TEST_F(Form1Test, TheSoundSwitchNamesWhatTheNextClickDoes) {
  QPushButton* toggle = CommandButton(form, kTonEinschaltenAusschalten);
  EXPECT_EQ(toggle->text(), "&malkonekti sonon");
  toggle->click();
  EXPECT_EQ(toggle->text(), "konekti &sonon");
  EXPECT_FALSE(form.game().TonAn());
  form.cmdSpielStarten_Click();
  EXPECT_EQ(sound.played.size(), 1u) << "only the start-up sound";
  toggle->click();
  EXPECT_EQ(toggle->text(), "&malkonekti sonon");
  EXPECT_TRUE(form.game().TonAn());
}

// Counts the paint events of the widgets it watches.
struct PaintCounter : QObject {
  std::set<QObject*> painted;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted.insert(watched);
    return false;
  }
};

// Each field takes the new colour and shows it at once.
TEST_F(Form1Test, TheBaseColourStepsThroughSixColoursAndBack) {
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  PaintCounter counter;
  for (int i = 0; i < game::kFieldCount; ++i) Field(form, i)->installEventFilter(&counter);
  const std::vector<QColor> expected = {{255, 255, 255}, {230, 230, 230}, {195, 195, 195},
                                        {0, 0, 0},       {255, 230, 230}, {230, 255, 230}};
  for (const QColor& colour : expected) {
    counter.painted.clear();
    CommandButton(form, kFelderGrundfarbe)->click();
    QCoreApplication::processEvents();
    for (int i = 0; i < game::kFieldCount; ++i) ASSERT_EQ(Field(form, i)->BackColor(), colour) << i;
    EXPECT_EQ(counter.painted.size(), std::size_t{game::kFieldCount}) << "fields repainted";
  }
  EXPECT_EQ(Canvas(form)->BackColor(), QColor(230, 255, 230));
  EXPECT_EQ(TitleLabel(form)->palette().color(QPalette::WindowText), QColor(230, 255, 230));
}

TEST_F(Form1Test, ABaseColourOutsideTheCycleStays) {
  for (int i = 0; i < game::kFieldCount; ++i) Field(form, i)->SetBackColor(QColor(1, 2, 3));
  form.cmdFelderGrundfarbe_Click();
  EXPECT_EQ(Field(form, 40)->BackColor(), QColor(1, 2, 3));
}

TEST_F(Form1Test, AtMostOnePanelShowsAndStartingAGameClosesIt) {
  form.show();
  QTextEdit* rules = RulesPanel(form);
  QTextEdit* information = InformationPanel(form);
  form.cmdSpielregeln_Click();
  EXPECT_TRUE(rules->isVisible());
  EXPECT_FALSE(information->isVisible());
  form.cmdInformation_Click();
  EXPECT_FALSE(rules->isVisible());
  EXPECT_TRUE(information->isVisible());
  form.cmdInformation_Click();
  EXPECT_FALSE(information->isVisible());
  form.cmdSpielregeln_Click();
  form.cmdSpielregeln_Click();
  EXPECT_FALSE(rules->isVisible());

  form.cmdSpielregeln_Click();
  EXPECT_EQ(form.childAt(Field(form, 40)->geometry().center()) == Field(form, 40), false)
      << "a visible panel covers the board";
  form.cmdSpielStarten_Click();
  EXPECT_FALSE(rules->isVisible());
}

// Each button hides the other panel, then toggles its own: every path
// between the three states (none, rules, information) in both directions.
TEST_F(Form1Test, EachPanelButtonTogglesItsPanelFromEveryState) {
  form.show();
  QTextEdit* rules = RulesPanel(form);
  QTextEdit* information = InformationPanel(form);
  enum Shown { kNone, kRulesShown, kInformationShown };
  const auto shown = [&] {
    EXPECT_FALSE(rules->isVisible() && information->isVisible());
    return rules->isVisible() ? kRulesShown : information->isVisible() ? kInformationShown : kNone;
  };
  const auto rulesButton = [&] { CommandButton(form, kSpielregeln)->click(); };
  const auto informationButton = [&] { CommandButton(form, kInformation)->click(); };
  const struct {
    Shown before;
    std::function<void()> press;
    Shown after;
    const char* what;
  } steps[] = {
      {kNone, rulesButton, kRulesShown, "rules shown"},
      {kRulesShown, rulesButton, kNone, "rules hidden again"},
      {kNone, informationButton, kInformationShown, "information shown"},
      {kInformationShown, informationButton, kNone, "information hidden again"},
      {kNone, rulesButton, kRulesShown, "rules shown"},
      {kRulesShown, informationButton, kInformationShown, "information replaces the rules"},
      {kInformationShown, rulesButton, kRulesShown, "the rules replace the information"},
      {kRulesShown, rulesButton, kNone, "rules hidden"},
  };
  for (const auto& step : steps) {
    ASSERT_EQ(shown(), step.before) << step.what;
    step.press();
    EXPECT_EQ(shown(), step.after) << step.what;
  }
}

// The sound switch silences every sound of the game, not only the start's;
// switched on again, each is heard.
TEST_F(Form1Test, WithTheSoundSwitchedOffNoEventSounds) {
  form.cmdSpielStarten_Click();
  const struct {
    const char* what;
    std::string heard;
    std::function<void()> event;
  } events[] = {
      {"a square", "sounds/sound4.wav/1",
       [&] {
         for (int i : {0, 1, 2, 9, 10, 11, 18, 19, 20}) form.game().Belegen(i, game::kGreen);
         form.game().QuadrateOben();
       }},
      {"a stripe", "sounds/sound3.wav/1",
       [&] {
         for (int row = 4; row < 9; ++row) form.game().Belegen(9 * row + 8, game::kBlue);
         form.game().Spalten();
       }},
      {"the show-highscore command", "sounds/sound6.wav/1",
       [&] { form.cmdHighscoreAnzeigen_Click(); }},
  };
  QPushButton* toggle = CommandButton(form, kTonEinschaltenAusschalten);
  for (const bool on : {false, true}) {
    toggle->click();
    ASSERT_EQ(form.game().TonAn(), on);
    for (const auto& event : events) {
      sound.played.clear();
      event.event();
      if (on) {
        EXPECT_THAT(sound.played, ::testing::Contains(event.heard)) << event.what;
      } else {
        EXPECT_THAT(sound.played, ::testing::IsEmpty()) << event.what;
      }
    }
  }
}

TEST_F(Form1Test, TheInformationPanelIsCentred) {
  EXPECT_EQ(InformationPanel(form)->alignment(), Qt::AlignHCenter);
}

}  // namespace
}  // namespace breliko::ui::testing
