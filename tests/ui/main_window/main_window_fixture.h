#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <string>
#include <vector>

#include "sound/sound_output.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui::testing {

// The marks and the cursor of keyboard play, found as a screen reader or a
// test finds any control: by name.
// The window's controls, by the names they carry.
template <class Control>
Control* Named(const Form1& form, const QString& name) {
  auto* control = form.findChild<Control*>(name);
  EXPECT_NE(control, nullptr) << "no control named " << name.toStdString();
  return control;
}
inline FieldBox* Field(const Form1& form, int index) {
  return Named<FieldBox>(form, QStringLiteral("picP(%1)").arg(index));
}
inline FieldBox* Prototype(const Form1& form, int index) {
  return Named<FieldBox>(form, QStringLiteral("picF(%1)").arg(index));
}
inline QPushButton* CommandButton(const Form1& form, form1::Button which) {
  return Named<QPushButton>(form, QString::fromLatin1(form1::kButtons[which].name));
}
inline QPushButton* CmdGo(const Form1& form) {
  return Named<QPushButton>(form, QStringLiteral("cmdGo"));
}
inline QLabel* TitleLabel(const Form1& form) {
  return Named<QLabel>(form, QStringLiteral("lblBreliko"));
}
inline QLabel* ScoreLabel(const Form1& form) {
  return Named<QLabel>(form, QStringLiteral("lblPunkte"));
}
inline TreeCanvas* Canvas(const Form1& form) {
  return Named<TreeCanvas>(form, QStringLiteral("picCanvas"));
}
inline QTextEdit* RulesPanel(const Form1& form) {
  return Named<QTextEdit>(form, QStringLiteral("txtSpielregeln"));
}
inline QTextEdit* InformationPanel(const Form1& form) {
  return Named<QTextEdit>(form, QStringLiteral("txtInformation"));
}
inline QTimer* Timer(const Form1& form) { return Named<QTimer>(form, QStringLiteral("tmrTimer")); }

inline QWidget* CursorFrame(const Form1& form) {
  return form.findChild<QWidget*>(QStringLiteral("cursorFrame"));
}
inline QWidget* PickedMark(const Form1& form) {
  return form.findChild<QWidget*>(QStringLiteral("pickedMark"));
}
// The field under the cursor, as a screen reader hears it named:
// "vico 3, kolumno 5: ruĝa" is field (3 − 1) × 9 + 5 − 1.
inline int CursorField(const Form1& form) {
  const QString name = CursorFrame(form)->accessibleName();
  const QStringList words =
      name.section(u':', 0, 0)
          .split(QRegularExpression(QStringLiteral("\\D+")), Qt::SkipEmptyParts);
  EXPECT_EQ(words.size(), 2) << name.toStdString();
  return words.size() == 2 ? (words[0].toInt() - 1) * 9 + words[1].toInt() - 1 : -1;
}

class RecordingSound : public sound::SoundOutput {
 public:
  void Play(const std::string& file, std::int32_t flags) override {
    played.push_back(file + "/" + std::to_string(flags));
  }
  std::vector<std::string> played;
};

// A loaded main window with a fake sound, a seeded generator and its
// highscore file in a folder of its own.
class Form1Test : public ::testing::Test {
 protected:
  Form1Test() : form(sound, random, highscore::HighscoreFile(folder.filePath("P1.dat"))) {
    form.SetQuitAction([this] { ++quits; });
    form.Form_Load();
  }

  void ShowAndActivate() {
    form.show();
    QApplication::setActiveWindow(&form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  int OccupiedFields() {
    int occupied = 0;
    for (int i = 0; i < game::kFieldCount; ++i) occupied += Field(form, i)->Picture() ? 1 : 0;
    return occupied;
  }

  QTemporaryDir folder;
  RecordingSound sound;
  game::SeededRandomSource random{3};
  Form1 form;
  int quits = 0;
};

}  // namespace breliko::ui::testing
