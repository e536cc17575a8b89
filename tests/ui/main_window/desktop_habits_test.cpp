// The desktop's habits in the main window: the focus mark from the first
// key on, the cursor only while the board has the focus, Escape on the
// panels, and moving the window by its margin.
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "main_window_fixture.h"
#include "ui/common/keyboard_cues.h"
#include "ui/common/push_button.h"
#include "ui/main_window/field_mark.h"

namespace breliko::ui::testing {
namespace {

using namespace form1;

class DesktopHabitsTest : public Form1Test {
 protected:
  DesktopHabitsTest() { KeyboardCues::Reset(); }

  void Key(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &form, key);
  }

  // Black pixels along the top line of a button's focus mark.
  int MarkPixels(Button which) {
    auto* button = static_cast<PushButton*>(CommandButton(form, which));
    const QImage face = button->grab().toImage();
    const QRect mark = button->FocusMarkRect();
    int black = 0;
    for (int x = mark.left(); x <= mark.right(); ++x) {
      black += face.pixelColor(x, mark.top()) == QColor(Qt::black) ? 1 : 0;
    }
    return black;
  }

  QPoint Global(QPoint point) const { return form.mapToGlobal(point); }
};

TEST_F(DesktopHabitsTest, TheFocusMarkShowsFromTheFirstKeyOnTheFocusedButtonOnly) {
  ShowAndActivate();
  QTest::mouseClick(CommandButton(form, kFelderGrundfarbe), Qt::LeftButton);
  ASSERT_TRUE(CommandButton(form, kFelderGrundfarbe)->hasFocus());
  EXPECT_EQ(MarkPixels(kFelderGrundfarbe), 0) << "a mouse player sees no mark";
  EXPECT_EQ(CommandButton(form, kFelderGrundfarbe)->grab().toImage().pixelColor(3, 11), kButtonFace)
      << "the button's own face under the mark";

  Key(Qt::Key_Tab);
  ASSERT_TRUE(CommandButton(form, kSpielregeln)->hasFocus());
  // Dots every other pixel along the line.
  // Inside the two-pixel raised edge, with one pixel of face between.
  const QRect mark = static_cast<PushButton*>(CommandButton(form, kSpielregeln))->FocusMarkRect();
  EXPECT_EQ(mark, QRect(3, 3, 123, 15));  // drawn over pixels 3 to 126 and 3 to 18
  const int width = mark.width();
  EXPECT_GE(MarkPixels(kSpielregeln), width / 2 - 1);
  EXPECT_EQ(MarkPixels(kFelderGrundfarbe), 0);
}

TEST_F(DesktopHabitsTest, AGameStartedFromItsButtonLeavesTheFocusOnNoButton) {
  ShowAndActivate();
  QTest::keyClick(&form, Qt::Key_L, Qt::AltModifier);
  ASSERT_EQ(OccupiedFields(), 3);
  EXPECT_EQ(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr);
  Key(Qt::Key_Space);
  EXPECT_EQ(OccupiedFields(), 3) << "Space cancelled the game just begun";
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

TEST_F(DesktopHabitsTest, EscapeClosesAnOpenPanel) {
  ShowAndActivate();
  for (void (Form1::*open)() : {&Form1::cmdSpielregeln_Click, &Form1::cmdInformation_Click}) {
    (form.*open)();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(RulesPanel(form)->isVisible());
    EXPECT_FALSE(InformationPanel(form)->isVisible());
  }
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
  // Its dots are dark grey, whatever they lie over.
  const QImage shot = form.grab().toImage();
  int dots = 0;
  for (int x = 0; x < outline->width(); ++x) {
    dots += shot.pixelColor(outline->pos() + QPoint(x, 0)) == QColor(64, 64, 64) ? 1 : 0;
  }
  EXPECT_GE(dots, outline->width() / 4);
  QTest::mouseRelease(field, Qt::LeftButton, {}, grip + QPoint(7, 5));
}

// A press on the margin, the frame or the title holds the window; one on the
// board, a gap between fields or a button does not.
TEST_F(DesktopHabitsTest, TheWindowMovesByItsMarginAndTitleOnly) {
  ShowAndActivate();
  struct Press {
    QPoint at;
    bool moves;
  };
  const QPoint betweenFields = FieldRect(0).bottomRight() + QPoint(1, 1);
  for (const Press& press :
       {Press{{5, 300}, true}, Press{{1, 1}, true}, Press{kTitle.center(), true},
        Press{{600, 10}, true}, Press{FieldRect(40).center(), false}, Press{betweenFields, false},
        Press{kButtons[kInformation].rect.center(), false}}) {
    const QPoint before = form.pos();
    QWidget* target = form.childAt(press.at) != nullptr ? form.childAt(press.at) : &form;
    const QPoint local = target->mapFrom(&form, press.at);
    QTest::mousePress(target, Qt::LeftButton, {}, local);
    QTest::mouseMove(target, local + QPoint(30, 20));
    QTest::mouseRelease(target, Qt::LeftButton, {}, local + QPoint(30, 20));
    EXPECT_EQ(form.pos() - before, press.moves ? QPoint(30, 20) : QPoint(0, 0))
        << "press at " << press.at.x() << "," << press.at.y();
  }
}

}  // namespace
}  // namespace breliko::ui::testing
