// The main window's layout, frame, drawing and dragging.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

#include "main_window_fixture.h"
#include "ui/highscore_windows/highscore_dialog.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui::testing {
namespace {

using namespace form1;

QRect RectOf(const QWidget* widget) { return widget->geometry(); }

TEST_F(Form1Test, ControlsSitAtTheirPlaces) {
  EXPECT_EQ(form.size(), QSize(800, 600));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(RectOf(Field(form, 0)), QRect(37, 17, 62, 62));
  EXPECT_EQ(RectOf(Field(form, 9)), QRect(37, 80, 62, 62));
  EXPECT_EQ(RectOf(Field(form, 80)), QRect(541, 521, 62, 62));
  EXPECT_EQ(RectOf(Field(form, 80)).bottomRight(), QPoint(602, 582));
  EXPECT_EQ(RectOf(TitleLabel(form)), QRect(622, 22, 161, 34));
  EXPECT_EQ(RectOf(ScoreLabel(form)), QRect(656, 70, 90, 37));
  EXPECT_EQ(RectOf(Canvas(form)), QRect(624, 125, 152, 152));
  EXPECT_EQ(RectOf(CmdGo(form)), QRect(647, 573, 24, 24));
  EXPECT_EQ(RectOf(RulesPanel(form)), QRect(31, 13, 577, 574));
  EXPECT_EQ(RectOf(InformationPanel(form)), QRect(35, 15, 570, 570));
  const std::vector<std::pair<Button, QRect>> buttons = {
      {kSpielStarten, {635, 295, 130, 22}},
      {kSpielAbbrechen, {635, 322, 130, 22}},
      {kTonEinschaltenAusschalten, {635, 349, 130, 22}},
      {kFelderGrundfarbe, {635, 376, 130, 22}},
      {kSpielregeln, {635, 403, 130, 22}},
      {kInformation, {635, 430, 130, 22}},
      {kHighscoreAnzeigen, {635, 457, 130, 22}},
      {kHighscoreErneuern, {635, 484, 130, 22}},
      {kProgrammBeenden, {635, 538, 130, 22}}};
  for (const auto& [button, rect] : buttons)
    EXPECT_EQ(RectOf(CommandButton(form, button)), rect) << button;
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(RectOf(Prototype(form, i)), QRect(770, 300 + 30 * i, 25, 25));
}

TEST_F(Form1Test, StartUpShowsAnEmptyBoardAScoreOfNothingAndATree) {
  EXPECT_EQ(ScoreLabel(form)->text(), "0");
  EXPECT_FALSE(RulesPanel(form)->isVisibleTo(&form));
  EXPECT_FALSE(InformationPanel(form)->isVisibleTo(&form));
  EXPECT_FALSE(CmdGo(form)->isVisibleTo(&form));
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(Prototype(form, i)->isVisibleTo(&form));
  EXPECT_EQ(Timer(form)->interval(), 400);
  EXPECT_FALSE(Timer(form)->isActive());
  for (int i = 0; i < game::kFieldCount; ++i) {
    EXPECT_EQ(Field(form, i)->BackColor(), QColor(230, 255, 230));
    EXPECT_EQ(Field(form, i)->Picture(), nullptr);
  }
  EXPECT_EQ(TitleLabel(form)->palette().color(QPalette::WindowText), QColor(230, 255, 230));
  EXPECT_EQ(Canvas(form)->BackColor(), QColor(230, 255, 230));
  const QImage& tree = Canvas(form)->Image();
  int green = 0;
  for (int y = 0; y < tree.height(); ++y) {
    for (int x = 0; x < tree.width(); ++x)
      green += tree.pixelColor(x, y) == QColor(0, 128, 0) ? 1 : 0;
  }
  EXPECT_GT(green, 100);
  EXPECT_EQ(sound.played, (std::vector<std::string>{"sounds/sound1.wav/1"}));
  // The list, the name entry and the question were loaded with the window:
  // hidden, and centred on the screen.
  const auto small = form.findChildren<HighscoreDialog*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(small.size(), 3);
  for (const HighscoreDialog* window : small) {
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
  }
}

// One pixel of each of the sixteen lines where no later line covers it, and
// the crossings, where the later line wins.
TEST_F(Form1Test, TheFrameIsDrawnInItsOrderOnTheWindow) {
  const QImage drawing = form.grab().toImage();
  const struct {
    QPoint point;
    int green;
  } pixels[] = {// The eight horizontal lines, top and bottom.
                {{400, 0}, 245},
                {{400, 1}, 210},
                {{400, 2}, 175},
                {{400, 3}, 140},
                {{400, 596}, 80},
                {{400, 597}, 55},
                {{400, 598}, 30},
                {{400, 599}, 5},
                // The eight vertical lines, left and right.
                {{0, 300}, 245},
                {{1, 300}, 210},
                {{2, 300}, 175},
                {{3, 300}, 140},
                {{796, 300}, 80},
                {{797, 300}, 55},
                {{798, 300}, 30},
                {{799, 300}, 5},
                // Crossings: the verticals are drawn last.
                {{0, 599}, 245},
                {{1, 598}, 210},
                {{2, 597}, 175},
                {{3, 596}, 140},
                {{796, 3}, 80},
                {{797, 2}, 55},
                {{798, 1}, 30},
                {{799, 0}, 5},
                {{3, 3}, 140},
                {{799, 599}, 5},
                // Inside the frame, the window's green.
                {{400, 4}, 128},
                {{4, 300}, 128},
                {{795, 300}, 128},
                {{400, 595}, 128}};
  for (const auto& [point, green] : pixels)
    EXPECT_EQ(drawing.pixelColor(point), QColor(0, green, 0)) << point.x() << "," << point.y();
}

// The hidden prototypes hold the field images in their order, so the board,
// which copies their pictures, shows what each colour index names.
// A field takes the presses on its own 62 × 62 pixels, from the first to
// the last, and none on the gap round it.
TEST_F(Form1Test, AFieldTakesPressesOnItsOwnPixelsOnly) {
  const FieldBox* field = Field(form, 40);
  const std::pair<QPointF, bool> presses[] = {
      {{0, 0}, true},      {{61.9, 61.9}, true}, {{0, 61}, true},   {{61, 0}, true},
      {{-0.1, 31}, false}, {{31, -0.1}, false},  {{62, 31}, false}, {{31, 62}, false}};
  for (const auto& [at, covered] : presses) {
    EXPECT_EQ(field->Covers(at), covered) << at.x() << "," << at.y();
  }
}

TEST_F(Form1Test, ThePrototypesHoldTheFieldImagesInTheirOrder) {
  // The middle of each picture: the seven colours, then the joker's, the
  // flames' and the blocker's own.
  const QColor middles[] = {QColor(255, 0, 0),  QColor(255, 196, 0), QColor(255, 255, 0),
                            QColor(0, 255, 0),  QColor(0, 255, 255), QColor(0, 0, 255),
                            QColor(255, 0, 255)};
  for (int i = 0; i < 7; ++i) {
    ASSERT_NE(Prototype(form, i)->Picture(), nullptr) << i;
    EXPECT_EQ(Prototype(form, i)->Picture()->pixelColor(30, 30), middles[i]) << i;
  }
  for (int i = 7; i < kFieldImageCount; ++i) {
    ASSERT_NE(Prototype(form, i)->Picture(), nullptr) << i;
    for (int other = 0; other < i; ++other) {
      EXPECT_NE(*Prototype(form, i)->Picture(), *Prototype(form, other)->Picture()) << i << other;
    }
  }
}

TEST_F(Form1Test, AColourFlashWipesTheFrameAndTheTickRedrawsIt) {
  form.SetWindowColour({240, 240, 70});
  EXPECT_EQ(form.grab().toImage().pixelColor(0, 0), QColor(240, 240, 70));
  EXPECT_EQ(TitleLabel(form)->palette().color(QPalette::Window), QColor(240, 240, 70));
  form.game().tmrTimer_Timer();
  EXPECT_EQ(form.grab().toImage().pixelColor(20, 300), QColor(0, 127, 0));
  EXPECT_EQ(form.grab().toImage().pixelColor(0, 0), QColor(0, 245, 0));
  EXPECT_EQ(TitleLabel(form)->palette().color(QPalette::Window), QColor(0, 127, 0));
}

TEST_F(Form1Test, TheBoardShowsTheGamesPicturesSharedWithThePrototypes) {
  form.game().Belegen(5, game::kRed);
  form.game().Belegen(6, game::kRed);
  form.game().Belegen(7, game::kBlue);
  EXPECT_EQ(Field(form, 5)->Picture(), Prototype(form, game::kRed)->Picture());
  EXPECT_EQ(Field(form, 5)->Picture(), Field(form, 6)->Picture());
  EXPECT_NE(Field(form, 7)->Picture(), Field(form, 5)->Picture());
  const QImage shown = Field(form, 5)->grab().toImage();
  EXPECT_EQ(shown.pixelColor(0, 0), QColor(255, 160, 160)) << "the tile covers its field";
  EXPECT_EQ(shown.pixelColor(61, 61), QColor(95, 0, 0));
}

// --- Dragging -----------------------------------------------------------------

class DragTest : public Form1Test {
 protected:
  // Presses on one field and releases over a point of the window, the way
  // the pressed field receives the whole gesture.
  void Drag(int source, QPoint releaseInWindow) {
    FieldBox* from = Field(form, source);
    const QPoint grip(31, 31);
    QTest::mousePress(from, Qt::LeftButton, {}, grip);
    QTest::mouseMove(
        from,
        from->mapFrom(&form, (Field(form, source)->geometry().center() + releaseInWindow) / 2));
    QTest::mouseRelease(from, Qt::LeftButton, {}, from->mapFrom(&form, releaseInWindow));
  }
  QPoint CentreOf(int field) { return Field(form, field)->geometry().center(); }
};

TEST_F(DragTest, APressOnOneFieldAndAReleaseOnAnEmptyFieldMovesTheTile) {
  ShowAndActivate();
  form.game().cmdSpielAbbrechen_Click();
  form.game().Belegen(0, game::kGreen);
  Drag(0, CentreOf(40));
  EXPECT_EQ(form.game().picP(40).Picture, game::kGreen);
  EXPECT_EQ(Field(form, 40)->Picture(), Prototype(form, game::kGreen)->Picture());
  EXPECT_EQ(Field(form, 0)->Picture(), nullptr);
  EXPECT_EQ(OccupiedFields(), 4) << "the moved tile and three new ones";
}

TEST_F(DragTest, AReleaseBesideTheBoardOrOnAGapDoesNothing) {
  ShowAndActivate();
  form.game().cmdSpielAbbrechen_Click();
  form.game().Belegen(0, game::kGreen);
  Drag(0, QPoint(700, 300));  // beside the board
  Drag(0, QPoint(99, 48));    // the gap between fields 0 and 1
  EXPECT_EQ(OccupiedFields(), 1);
  EXPECT_EQ(form.game().picP(0).Picture, game::kGreen);
}

TEST_F(DragTest, AClickOnATileIsADropOntoItself) {
  ShowAndActivate();
  form.game().cmdSpielAbbrechen_Click();
  form.game().Belegen(0, game::kGreen);
  Drag(0, CentreOf(0));
  EXPECT_EQ(form.game().picP(0).Picture, game::kGreen);
  EXPECT_EQ(OccupiedFields(), 4);
}

TEST_F(DragTest, EmptyAndBlockedFieldsCannotBeDragged) {
  ShowAndActivate();
  form.game().cmdSpielAbbrechen_Click();
  form.game().SetField(1, game::Field{game::kBlocker, "voll", 0, true});
  Drag(0, CentreOf(40));
  Drag(1, CentreOf(40));
  EXPECT_EQ(OccupiedFields(), 1);
}

}  // namespace
}  // namespace breliko::ui::testing
