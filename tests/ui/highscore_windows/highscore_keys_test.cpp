// The small windows as a keyboard player meets them: Enter and Escape, the
// name box that takes only what the file can store, and where a window opens
// once the main window has been moved.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "ui/common/centring.h"
#include "ui/highscore_windows/highscore_list_window.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/highscore_windows/name_entry_window.h"
#include "ui/highscore_windows/reset_window.h"

namespace breliko::ui {
namespace {

class HighscoreKeysTest : public ::testing::Test {
 protected:
  HighscoreKeysTest() {
    hauptfenster_.setFixedSize(800, 600);
    CentreOnScreen(hauptfenster_);
    eingabe_.setUhr([] { return QStringLiteral("05.03.24 14:02:07"); });
  }

  QTemporaryDir folder_;
  QString Path() const { return folder_.filePath(QStringLiteral("P1.dat")); }
  QWidget hauptfenster_{nullptr, Qt::Window | Qt::FramelessWindowHint};
  HighscoreWindows fenster_{&hauptfenster_, [] {}, highscore::HighscoreFile(Path())};
  Form2& liste_ = *fenster_.form2();
  Form3& eingabe_ = *fenster_.form3();
  Form4& frage_ = *fenster_.form4();
};

enum class Window { kList, kEntry, kQuestion };

struct KeyCase {
  Window window;
  Qt::Key key;
  bool closes;
};

// Enter in the name entry is "kontinui", Enter and Escape close the list,
// Escape in the question is "ne"; every other key leaves the window open.
TEST_F(HighscoreKeysTest, EnterAndEscapeDoWhatTheButtonsDo) {
  const KeyCase cases[] = {
      {Window::kList, Qt::Key_Return, true},     {Window::kList, Qt::Key_Escape, true},
      {Window::kList, Qt::Key_Enter, true},      {Window::kEntry, Qt::Key_Return, true},
      {Window::kEntry, Qt::Key_Escape, false},   {Window::kQuestion, Qt::Key_Escape, true},
      {Window::kQuestion, Qt::Key_Return, false}};
  for (const KeyCase& c : cases) {
    HighscoreDialog* window = nullptr;
    switch (c.window) {
      case Window::kList:
        fenster_.cmdHighscoreAnzeigen_Click();
        window = &liste_;
        break;
      case Window::kEntry:
        fenster_.NeuerHighscore(150);
        eingabe_.txtEingabeNamen->insert(QStringLiteral("Zamenhof"));
        window = &eingabe_;
        break;
      case Window::kQuestion:
        fenster_.cmdHighscoreErneuern_Click();
        window = &frage_;
        break;
    }
    const QByteArray before = QFileInfo(Path()).exists() ? QByteArray("file") : QByteArray();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, c.key);
    const int row = int(c.window) * 3 + int(c.key);
    EXPECT_EQ(window->isVisible(), !c.closes)
        << window->metaObject()->className() << " key " << row;
    if (c.window == Window::kEntry && c.closes) {
      EXPECT_TRUE(liste_.isVisible()) << "the entry was taken in and the list shows it";
      EXPECT_EQ(liste_.txtPerson[0]->text().trimmed(), QStringLiteral("Zamenhof"));
    }
    if (c.window == Window::kQuestion) {
      EXPECT_EQ(QFileInfo(Path()).exists() ? QByteArray("file") : QByteArray(), before)
          << "no reset";
    }
    window->hide();
    liste_.hide();
  }
}

TEST_F(HighscoreKeysTest, TheNameBoxTakesTwentyCharactersTheFileCanStore) {
  QLineEdit* box = eingabe_.txtEingabeNamen;
  fenster_.NeuerHighscore(150);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&eingabe_));
  // Typed letter by letter, as a keyboard of any layout sends them.
  for (const QChar letter : QStringLiteral("Łukasz Żółć ĉŝ Ĥĵŭ 1234567890 abcdefghij")) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(box, &key);
  }
  EXPECT_EQ(box->text(), QStringLiteral("ukasz Żó ĉŝ Ĥĵŭ 1234"));

  struct Paste {
    QString text;
    QString shown;
  };
  const Paste pastes[] = {
      {QStringLiteral("Zamenhof"), QStringLiteral("Zamenhof")},
      {QStringLiteral("Łódź"), QString()},                       // refused whole
      {QString(21, u'a'), QString()},                            // one too many
      {QString(20, u'a'), QString(20, u'a')},                    // just fits
      {QStringLiteral("c\u0302e\u0302"), QStringLiteral("ĉê")},  // composed, two letters
  };
  for (const Paste& paste : pastes) {
    box->clear();
    QGuiApplication::clipboard()->setText(paste.text);
    box->paste();
    EXPECT_EQ(box->text(), paste.shown) << paste.text.toStdString();
  }
}

TEST_F(HighscoreKeysTest, AWindowOpensCentredOnAMovedMainWindow) {
  hauptfenster_.show();
  const QPoint atRest = frage_.pos();
  fenster_.cmdHighscoreErneuern_Click();
  EXPECT_EQ(frage_.pos(), atRest) << "at rest, centred on the screen as at loading";
  frage_.hide();

  hauptfenster_.move(hauptfenster_.pos() + QPoint(41, -17));
  fenster_.cmdHighscoreErneuern_Click();
  EXPECT_EQ(frage_.pos(), hauptfenster_.pos() + QPoint((800 - 250) / 2, (600 - 144) / 2));
}

}  // namespace
}  // namespace breliko::ui
