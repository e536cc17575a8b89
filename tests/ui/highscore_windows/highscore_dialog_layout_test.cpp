// The three highscore windows as loaded at start-up: geometry, looks, the
// hidden row, the boxes, the centring and where the focus lands.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "ui/highscore_windows/highscore_list_window.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/highscore_windows/name_entry_window.h"
#include "ui/highscore_windows/reset_window.h"

namespace breliko::ui {
namespace {

class HighscoreDialogLayoutTest : public ::testing::Test {
 protected:
  QTemporaryDir folder_;
  HighscoreWindows fenster_{nullptr, [] {},
                            highscore::HighscoreFile(folder_.filePath(QStringLiteral("P1.dat")))};
  Form2& liste_ = *fenster_.form2();
  Form3& eingabe_ = *fenster_.form3();
  Form4& frage_ = *fenster_.form4();

  std::vector<HighscoreDialog*> Windows() { return {&liste_, &eingabe_, &frage_}; }
};

TEST_F(HighscoreDialogLayoutTest, WindowsAreFramelessFixedAndLoadedHidden) {
  for (HighscoreDialog* window : Windows()) {
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
  }
}

TEST_F(HighscoreDialogLayoutTest, TheListShowsTenRowsAndHidesTheEleventh) {
  for (int zeile = 0; zeile < 11; ++zeile) {
    for (QLineEdit* zelle : {liste_.txtRang[zeile], liste_.txtWert[zeile], liste_.txtPerson[zeile],
                             liste_.txtDatum[zeile]}) {
      EXPECT_EQ(zelle->isVisibleTo(&liste_), zeile < 10) << zeile;
    }
  }
  liste_.show();
  EXPECT_FALSE(liste_.txtWert[10]->isVisible());
  EXPECT_TRUE(liste_.txtWert[9]->isVisible());
}

// A screen reader reads the list as ten places, the name box by the name
// window's question, and the reset window as its question.
TEST_F(HighscoreDialogLayoutTest, AScreenReaderHearsPlacesAndQuestions) {
  const auto name = [](QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(name(liste_.txtRang[0]), "loko 1");
  EXPECT_EQ(name(liste_.txtWert[2]), "loko 3, poentoj");
  EXPECT_EQ(name(liste_.txtPerson[9]), "loko 10, nomo");
  EXPECT_EQ(name(liste_.txtDatum[4]), "loko 5, dato");
  EXPECT_EQ(name(eingabe_.txtEingabeNamen), "Kiu atingis tian grandan nombron da punktoj?");
  EXPECT_EQ(name(&frage_), "Ĉu efektive vi volas dissolvigi la highscore?");
  EXPECT_EQ(name(frage_.cmdJa), "jes");
  EXPECT_EQ(name(frage_.cmdNein), "ne");
}

TEST_F(HighscoreDialogLayoutTest, OnlyTheDateCellsTakeTyping) {
  for (QLineEdit* zelle : {liste_.txtRang[0], liste_.txtWert[0], liste_.txtPerson[0]}) {
    QTest::keyClicks(zelle, QStringLiteral("x"));
    EXPECT_NE(zelle->text(), QStringLiteral("x"));
  }
  QTest::keyClicks(liste_.txtDatum[0], QStringLiteral("x"));
  EXPECT_EQ(liste_.txtDatum[0]->text(), QStringLiteral("x"));
  EXPECT_EQ(liste_.txtRang[0]->text(), QStringLiteral("1"));
  EXPECT_FALSE(liste_.txtRang[0]->isEnabled());
}

TEST_F(HighscoreDialogLayoutTest, TheTopThreeRowsAreShadesOfYellowAndTheButtonIsGreen) {
  const QColor farben[] = {QColor(255, 255, 0), QColor(255, 255, 128), QColor(255, 255, 192),
                           QColor(Qt::white), QColor(Qt::white)};
  liste_.Anzeigen(nullptr);
  const QImage bild = liste_.grab().toImage();
  for (int zeile = 0; zeile < 5; ++zeile) {
    // Inside the border, beside the text: the cell's own background.
    for (QLineEdit* zelle :
         {liste_.txtRang[zeile], liste_.txtPerson[zeile], liste_.txtDatum[zeile]}) {
      const QPoint innen = zelle->geometry().topLeft() + QPoint(2, 2);
      EXPECT_EQ(bild.pixelColor(innen), farben[zeile]) << zeile;
    }
  }
  // Left of the caption, inside the raised edge: the face has the window's colour.
  const QRect knopf = liste_.cmdWeiter->geometry();
  EXPECT_EQ(bild.pixelColor(knopf.left() + 5, knopf.center().y()), QColor(128, 255, 128));
}

// The toolkit keeps two pixels between a text box's border and its text.
int RoomForText(const QLineEdit* box) { return box->contentsRect().width() - 4; }

TEST_F(HighscoreDialogLayoutTest, AFullDateAndATwentyLetterNameFitTheirCells) {
  const QLineEdit* datum = liste_.txtDatum[0];
  const QLineEdit* person = liste_.txtPerson[0];
  EXPECT_LE(datum->fontMetrics().horizontalAdvance(QStringLiteral("05.03.24 14:02:07")),
            RoomForText(datum));
  EXPECT_LE(person->fontMetrics().horizontalAdvance(QStringLiteral("Ludoviko L. Zamenhof")),
            RoomForText(person));
  EXPECT_LE(liste_.txtWert[0]->fontMetrics().horizontalAdvance(QStringLiteral("9999")),
            RoomForText(liste_.txtWert[0]));
}

TEST_F(HighscoreDialogLayoutTest, EachWindowHasItsBoxFromTheStart) {
  for (HighscoreDialog* window : Windows()) {
    const QImage bild = window->grab().toImage();
    const int right = window->width() - 1;
    const int bottom = window->height() - 1;
    for (const QPoint ecke : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom),
                              QPoint(right, bottom), QPoint(right / 2, 0), QPoint(0, bottom / 2)}) {
      EXPECT_EQ(bild.pixelColor(ecke), QColor(Qt::black)) << window->metaObject()->className();
    }
    EXPECT_EQ(bild.pixelColor(1, 1), QColor(128, 255, 128)) << window->metaObject()->className();
  }
}

TEST_F(HighscoreDialogLayoutTest, EachWindowIsCentredOnTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  for (HighscoreDialog* window : Windows()) {
    const QPoint expected(int(std::floor((screen.width() - window->width()) / 2.0)),
                          int(std::floor((screen.height() - window->height()) / 2.0)));
    EXPECT_EQ(window->pos(), screen.topLeft() + expected) << window->metaObject()->className();
  }
}

TEST_F(HighscoreDialogLayoutTest, TheNameEntryOpensWithTheFocusInTheNameBox) {
  fenster_.NeuerHighscore(10);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&eingabe_));
  EXPECT_EQ(QApplication::focusWidget(), eingabe_.txtEingabeNamen);
}

TEST_F(HighscoreDialogLayoutTest, TheQuestionOpensWithTheFocusOnYes) {
  fenster_.cmdHighscoreErneuern_Click();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frage_));
  EXPECT_EQ(QApplication::focusWidget(), frage_.cmdJa);
}

}  // namespace
}  // namespace breliko::ui
