// The desktop's habits in the main window: the focus mark after a key that
// moves through the window, the cursor only while the board has the focus,
// the panels read and closed with the keys, and a window that stays put.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include <cstdlib>

#include "main_window_fixture.h"
#include "ui/main_window/field_mark.h"

namespace breliko::ui::testing {
namespace {

using namespace form1;

class DesktopHabitsTest : public Form1Test {
 protected:
  void Key(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &form, key);
  }

  // Black pixels along the line where a button's focus mark runs: inside
  // the two-pixel raised edge, with one pixel of face between.
  int MarkPixels(Button which) {
    const QImage face = CommandButton(form, which)->grab().toImage();
    int black = 0;
    for (int x = 3; x < face.width() - 3; ++x) {
      black += face.pixelColor(x, 3) == QColor(Qt::black) ? 1 : 0;
    }
    return black;
  }

  QPoint Global(QPoint point) const { return form.mapToGlobal(point); }
};

TEST_F(DesktopHabitsTest, TheFocusMarkShowsAfterANavigationKeyOnly) {
  ShowAndActivate();
  QTest::mouseClick(CommandButton(form, kFelderGrundfarbe), Qt::LeftButton);
  ASSERT_TRUE(CommandButton(form, kFelderGrundfarbe)->hasFocus());
  EXPECT_EQ(MarkPixels(kFelderGrundfarbe), 0) << "a mouse player sees no mark";
  EXPECT_EQ(CommandButton(form, kFelderGrundfarbe)->grab().toImage().pixelColor(3, 11), kButtonFace)
      << "the button's own face under the mark";
  // Typing is no move through the window, nor is reading a panel on, nor
  // pressing the button (twice: the base colour goes there and back).
  for (const Qt::Key typed :
       {Qt::Key_A, Qt::Key_Z, Qt::Key_7, Qt::Key_F2, Qt::Key_F2, Qt::Key_PageUp, Qt::Key_PageDown,
        Qt::Key_Home, Qt::Key_End, Qt::Key_Space, Qt::Key_Space}) {
    Key(typed);
  }
  EXPECT_EQ(MarkPixels(kFelderGrundfarbe), 0)
      << "letters, digits, scroll keys and Space show no mark";
  // Alt, Shift or Ctrl alone, as a player holds them on the way to a letter.
  for (const Qt::Key modifier : {Qt::Key_Alt, Qt::Key_Shift, Qt::Key_Control}) {
    QTest::keyPress(QApplication::focusWidget(), modifier, Qt::AltModifier);
    QTest::keyRelease(QApplication::focusWidget(), modifier);
  }
  EXPECT_EQ(MarkPixels(kFelderGrundfarbe), 0) << "a modifier alone shows no mark";

  Key(Qt::Key_Tab);
  ASSERT_TRUE(CommandButton(form, kSpielregeln)->hasFocus());
  // Dots every other pixel along the line, from pixel 3 to 126 of 130.
  EXPECT_GE(MarkPixels(kSpielregeln), 61);
  EXPECT_LE(MarkPixels(kSpielregeln), 62);
  EXPECT_EQ(MarkPixels(kFelderGrundfarbe), 0) << "only the focused button";

  // Enter, and the number pad's Enter, press the focused button.
  Key(Qt::Key_Return);
  EXPECT_TRUE(RulesPanel(form)->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(RulesPanel(form)->isVisible());
}

// Every key that moves through the window shows the mark from then on, also
// on a button clicked after it (an arrow takes the focus to the board).
class NavigationKeyTest : public DesktopHabitsTest,
                          public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(NavigationKeyTest, ShowsTheFocusMarkFromThenOn) {
  ShowAndActivate();
  QTest::mouseClick(CommandButton(form, kFelderGrundfarbe), Qt::LeftButton);
  Key(GetParam());
  QTest::mouseClick(CommandButton(form, kFelderGrundfarbe), Qt::LeftButton);
  EXPECT_GT(MarkPixels(kFelderGrundfarbe), 50);
}

INSTANTIATE_TEST_SUITE_P(Keys, NavigationKeyTest,
                         ::testing::Values(Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                           Qt::Key_Down));

TEST_F(DesktopHabitsTest, NeitherAGameStartedByKeyNorAPressOnTheBoardLeavesAButtonFocused) {
  ShowAndActivate();
  QTest::keyClick(&form, Qt::Key_L, Qt::AltModifier);
  ASSERT_EQ(OccupiedFields(), 3);
  EXPECT_EQ(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr);
  Key(Qt::Key_Space);
  EXPECT_EQ(OccupiedFields(), 3) << "Space cancelled the game just begun";
  // A click on a button, then a press on the board: the button has no focus left.
  QPushButton* sound = CommandButton(form, kTonEinschaltenAusschalten);
  QTest::mouseClick(sound, Qt::LeftButton);
  const QString caption = sound->text();
  QTest::mouseClick(Field(form, 0), Qt::LeftButton);
  Key(Qt::Key_Space);
  EXPECT_EQ(sound->text(), caption) << "Space after a press on the board switched the sound";
}

TEST_F(DesktopHabitsTest, TheCursorShowsOnlyWhileTheBoardHasTheFocus) {
  ShowAndActivate();
  form.cmdSpielStarten_Click();
  Key(Qt::Key_Down);
  const int field = CursorField(form);
  ASSERT_TRUE(CursorFrame(form)->isVisible());
  Key(Qt::Key_Tab);
  EXPECT_FALSE(CursorFrame(form)->isVisible());
  Key(Qt::Key_Space);  // presses the focused button, nothing on the board
  Key(Qt::Key_Left);
  EXPECT_TRUE(CursorFrame(form)->isVisible());
  EXPECT_EQ(CursorField(form), field) << "the arrow brings it back where it was";
}

// While a panel covers the board the keys read it: the rules run longer
// than their panel is tall. Escape closes it.
TEST_F(DesktopHabitsTest, ThePanelsAreReadAndClosedWithTheKeys) {
  ShowAndActivate();
  form.cmdSpielStarten_Click();
  Key(Qt::Key_Right);
  const int cursorField = CursorField(form);
  form.cmdSpielregeln_Click();
  QScrollBar* lines = RulesPanel(form)->verticalScrollBar();
  ASSERT_GT(lines->maximum(), 0) << "the rules are longer than their panel";
  enum class Goes { kToTheFirstLine, kToTheLastLine, kUp, kDown };
  struct Read {
    Qt::Key key;
    Goes goes;
  };
  const Read reads[] = {{Qt::Key_End, Goes::kToTheLastLine}, {Qt::Key_Up, Goes::kUp},
                        {Qt::Key_PageUp, Goes::kUp},         {Qt::Key_Home, Goes::kToTheFirstLine},
                        {Qt::Key_Down, Goes::kDown},         {Qt::Key_PageDown, Goes::kDown}};
  for (const Read& read : reads) {
    const int before = lines->value();
    Key(read.key);
    switch (read.goes) {
      case Goes::kToTheFirstLine:
        EXPECT_EQ(lines->value(), 0) << QTest::toString(read.key);
        break;
      case Goes::kToTheLastLine:
        EXPECT_EQ(lines->value(), lines->maximum()) << QTest::toString(read.key);
        break;
      case Goes::kUp:
        EXPECT_LT(lines->value(), before) << QTest::toString(read.key);
        break;
      case Goes::kDown:
        EXPECT_GT(lines->value(), before) << QTest::toString(read.key);
        break;
    }
  }
  Key(Qt::Key_Left);
  EXPECT_EQ(CursorField(form), cursorField) << "the board's cursor stays under the panel";
  EXPECT_TRUE(RulesPanel(form)->isVisible());

  for (void (Form1::*open)() : {&Form1::cmdSpielregeln_Click, &Form1::cmdInformation_Click}) {
    if (!RulesPanel(form)->isVisible()) (form.*open)();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(RulesPanel(form)->isVisible());
    EXPECT_FALSE(InformationPanel(form)->isVisible());
  }
  Key(Qt::Key_Down);
  EXPECT_EQ(CursorField(form), cursorField + 9) << "with the panel gone the arrows move the cursor";
}

// The drag outline keeps the field's corner where the pointer took hold of
// it, to the pixel.
TEST_F(DesktopHabitsTest, TheDragOutlineFollowsThePointerFromWhereItTookHold) {
  ShowAndActivate();
  form.cmdSpielStarten_Click();
  int tile = 0;
  while (Field(form, tile)->Picture() == nullptr) ++tile;
  FieldBox* field = Field(form, tile);
  const QPoint grip(20, 11);
  QTest::mousePress(field, Qt::LeftButton, {}, grip);
  QTest::mouseMove(field, grip + QPoint(7, 5));
  auto* outline = form.findChild<QWidget*>(QStringLiteral("dragOutline"));
  ASSERT_NE(outline, nullptr);
  EXPECT_TRUE(outline->isVisible());
  EXPECT_EQ(outline->pos(), field->pos() + QPoint(7, 5));
  EXPECT_EQ(outline->size(), field->size()) << "the whole field's outline";
  // Its dots are dark grey on the pale green every game starts with.
  const QImage shot = form.grab().toImage();
  int dots = 0;
  for (int x = 0; x < outline->width(); ++x) {
    dots += shot.pixelColor(outline->pos() + QPoint(x, 0)) == QColor(64, 64, 64) ? 1 : 0;
  }
  EXPECT_GE(dots, outline->width() / 4);
  QTest::mouseRelease(field, Qt::LeftButton, {}, grip + QPoint(7, 5));
}

// On black fields dark grey dots would not show.
TEST_F(DesktopHabitsTest, TheDragOutlineShowsOnEveryBaseColour) {
  ShowAndActivate();
  form.cmdSpielStarten_Click();
  int tile = 0;
  while (Field(form, tile)->Picture() == nullptr) ++tile;
  int empty = 0;
  while (Field(form, empty)->Picture() != nullptr) ++empty;
  auto* outline = form.findChild<QWidget*>(QStringLiteral("dragOutline"));
  ASSERT_NE(outline, nullptr);
  for (int colour = 0; colour < 6; ++colour) {
    const QColor base = Field(form, empty)->BackColor();
    // Held over the empty field, where the outline lies on the base colour.
    QTest::mousePress(Field(form, tile), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(Field(form, empty), QPoint(5, 5));
    const QImage shot = form.grab().toImage();
    int contrasting = 0;
    for (int x = 0; x < outline->width(); ++x) {
      const QColor dot = shot.pixelColor(outline->pos() + QPoint(x, 0));
      contrasting += std::abs(dot.lightness() - base.lightness()) >= 96 ? 1 : 0;
    }
    EXPECT_GE(contrasting, outline->width() / 4) << base.name().toStdString();
    QTest::mouseRelease(Field(form, tile), Qt::LeftButton, {}, QPoint(5, 5));
    form.cmdFelderGrundfarbe_Click();
  }
}

// The window has no title bar and cannot be moved by the player: a press
// and drag anywhere on it leaves it where it is.
TEST_F(DesktopHabitsTest, TheWindowStaysWhereItIs) {
  ShowAndActivate();
  const QPoint betweenFields = FieldRect(0).bottomRight() + QPoint(1, 1);
  for (const QPoint at : {QPoint(5, 300), QPoint(1, 1), kTitle.center(), QPoint(600, 10),
                          betweenFields, kButtons[kInformation].rect.center()}) {
    const QPoint before = form.pos();
    QWidget* target = form.childAt(at) != nullptr ? form.childAt(at) : &form;
    const QPoint local = target->mapFrom(&form, at);
    QTest::mousePress(target, Qt::LeftButton, {}, local);
    QTest::mouseMove(target, local + QPoint(30, 20));
    QTest::mouseRelease(target, Qt::LeftButton, {}, local + QPoint(30, 20));
    EXPECT_EQ(form.pos(), before) << "press at " << at.x() << "," << at.y();
  }
}

}  // namespace
}  // namespace breliko::ui::testing
