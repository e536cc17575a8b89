#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include "sound/sound_output.h"
#include "ui/main_window/board_input.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/main_window.h"

namespace breliko::ui::testing {

// The marks and the cursor of keyboard play, found as a screen reader or a
// test finds any control: by name.
inline QWidget* CursorFrame(const Form1& form) {
  return form.findChild<QWidget*>(QStringLiteral("cursorFrame"));
}
inline QWidget* PickedMark(const Form1& form) {
  return form.findChild<QWidget*>(QStringLiteral("pickedMark"));
}
inline int CursorField(const Form1& form) { return form.findChild<BoardInput*>()->CursorField(); }

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
    for (int i = 0; i < game::kFieldCount; ++i) occupied += form.picP(i)->Picture() ? 1 : 0;
    return occupied;
  }

  QTemporaryDir folder;
  RecordingSound sound;
  game::SeededRandomSource random{3};
  Form1 form;
  int quits = 0;
};

}  // namespace breliko::ui::testing
