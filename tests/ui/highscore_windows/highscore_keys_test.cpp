// The small windows as a keyboard player meets them: Enter and Escape, the
// name box that keeps what the file can store, and where a window opens.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
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

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct KeyCase {
  const char* what;
  Window window;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* focusedButton;  // in the question, where the focus is; nullptr elsewhere
  bool closes;
  bool listEmptied;  // the question was answered "jes"
};

// Enter in the name entry is "kontinui", Enter and Escape close the list,
// Enter in the question presses the focused button and Escape is "ne"; the
// number pad's Enter is Enter everywhere.
TEST_F(HighscoreKeysTest, EnterAndEscapeDoWhatTheButtonsDo) {
  const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
  const KeyCase cases[] = {
      {"Enter closes the list", Window::kList, Qt::Key_Return, {}, nullptr, true, false},
      {"pad Enter closes the list", Window::kList, Qt::Key_Enter, pad, nullptr, true, false},
      {"Escape closes the list", Window::kList, Qt::Key_Escape, {}, nullptr, true, false},
      {"Enter takes the name in", Window::kEntry, Qt::Key_Return, {}, nullptr, true, false},
      {"pad Enter takes the name in", Window::kEntry, Qt::Key_Enter, pad, nullptr, true, false},
      {"Escape leaves the entry open", Window::kEntry, Qt::Key_Escape, {}, nullptr, false, false},
      {"Escape answers ne", Window::kQuestion, Qt::Key_Escape, {}, "jes", true, false},
      {"Enter on jes resets", Window::kQuestion, Qt::Key_Return, {}, "jes", true, true},
      {"pad Enter on jes resets", Window::kQuestion, Qt::Key_Enter, pad, "jes", true, true},
      {"Enter on ne keeps the list", Window::kQuestion, Qt::Key_Return, {}, "ne", true, false},
      {"pad Enter on ne keeps the list", Window::kQuestion, Qt::Key_Enter, pad, "ne", true, false},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    // A list of one entry to keep or to lose.
    fenster_.NeuerHighscore(90);
    eingabe_.txtEingabeNamen->insert(QStringLiteral("Unua"));
    eingabe_.cmdWeiter->click();
    liste_.hide();
    const QByteArray before = FileBytes(Path());
    ASSERT_TRUE(before.contains("Unua"));

    HighscoreDialog* window = nullptr;
    QWidget* focus = nullptr;
    switch (c.window) {
      case Window::kList:
        fenster_.cmdHighscoreAnzeigen_Click();
        window = &liste_;
        focus = liste_.cmdWeiter;
        break;
      case Window::kEntry:
        fenster_.NeuerHighscore(150);
        eingabe_.txtEingabeNamen->insert(QStringLiteral("Zamenhof"));
        window = &eingabe_;
        focus = eingabe_.txtEingabeNamen;
        break;
      case Window::kQuestion:
        fenster_.cmdHighscoreErneuern_Click();
        window = &frage_;
        focus = QString(c.focusedButton) == "jes" ? frage_.cmdJa : frage_.cmdNein;
        focus->setFocus();
        break;
    }
    ASSERT_EQ(window->focusWidget(), focus);
    QTest::keyClick(focus, c.key, c.modifiers);
    EXPECT_EQ(window->isVisible(), !c.closes);
    if (c.window == Window::kEntry && c.closes) {
      EXPECT_TRUE(liste_.isVisible()) << "the entry was taken in and the list shows it";
      EXPECT_EQ(liste_.txtPerson[0]->text().trimmed(), QStringLiteral("Zamenhof"));
    } else if (c.listEmptied) {
      EXPECT_FALSE(FileBytes(Path()).contains("Unua"));
    } else {
      EXPECT_EQ(FileBytes(Path()), before) << "the file is as it was";
    }
    window->hide();
    liste_.hide();
  }
}

TEST_F(HighscoreKeysTest, TheNameBoxKeepsWhatTheFileCanStoreAndTheListTheFirstTwenty) {
  QLineEdit* box = eingabe_.txtEingabeNamen;
  fenster_.NeuerHighscore(150);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&eingabe_));
  // Typed letter by letter, as a keyboard of any layout sends them: Ł and
  // ł have no byte and are refused, the rest of any length is taken.
  for (const QChar letter : QStringLiteral("Łukasz Żółć ĉŝ Ĥĵŭ 1234567890")) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(box, &key);
  }
  EXPECT_EQ(box->text(), QStringLiteral("ukasz Żó ĉŝ Ĥĵŭ 1234567890"));
  // A refused letter leaves the caret where it was: at the start, the next
  // letter goes before the others.
  box->setCursorPosition(0);
  for (const QChar letter : QStringLiteral("ŁL")) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(box, &key);
  }
  EXPECT_EQ(box->text(), QStringLiteral("Lukasz Żó ĉŝ Ĥĵŭ 1234567890"));

  struct Paste {
    QString text;
    QString shown;
  };
  const Paste pastes[] = {
      {QStringLiteral("Zamenhof"), QStringLiteral("Zamenhof")},
      {QStringLiteral("Łódź"), QStringLiteral("ód")},            // Ł and ź have no byte: left out
      {QString(25, u'a'), QString(25, u'a')},                    // any length
      {QStringLiteral("c\u0302e\u0302"), QStringLiteral("ĉê")},  // composed, two letters
  };
  for (const Paste& paste : pastes) {
    box->clear();
    QGuiApplication::clipboard()->setText(paste.text);
    box->paste();
    EXPECT_EQ(box->text(), paste.shown) << paste.text.toStdString();
  }

  // A pasted name of 25 characters is stored and shown as its first 20.
  box->clear();
  QGuiApplication::clipboard()->setText(QStringLiteral("Ludoviko Lazaro Zamenhof"));
  box->paste();
  eingabe_.cmdWeiter->click();
  EXPECT_EQ(liste_.txtPerson[0]->text().trimmed(), QStringLiteral("Ludoviko Lazaro Zame"));
  const QByteArray file = FileBytes(Path());
  ASSERT_GE(file.size(), 39);
  EXPECT_EQ(file.mid(2, 20), QByteArray("Ludoviko Lazaro Zame"));
  EXPECT_EQ(file.mid(22, 17), QByteArray("05.03.24 14:02:07"));
}

// Where a small window opens: centred on the screen, where it was loaded,
// wherever the main window stands.
TEST_F(HighscoreKeysTest, TheSmallWindowsOpenCentredOnTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  hauptfenster_.show();
  hauptfenster_.move(hauptfenster_.pos() + QPoint(41, -17));
  fenster_.cmdHighscoreErneuern_Click();
  EXPECT_EQ(frage_.pos(),
            screen.topLeft() + QPoint((screen.width() - 250) / 2, (screen.height() - 144) / 2));
  frage_.hide();
  fenster_.cmdHighscoreAnzeigen_Click();
  EXPECT_EQ(liste_.pos().x(), screen.left() + (screen.width() - liste_.width()) / 2);
}

}  // namespace
}  // namespace breliko::ui
