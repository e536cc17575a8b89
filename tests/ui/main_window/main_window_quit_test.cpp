// The quit button, and a close from outside, while a tree is drawn inside a
// drop: the real window, whose tree lets the queued quit run.
#include <gmock/gmock.h>

#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <functional>

#include "main_window_fixture.h"
#include "ui/highscore_windows/highscore_windows.h"

namespace breliko::ui::testing {
namespace {

using ::testing::ElementsAre;

// Hands out the numbers a test states, then 0.99 for ever: every tree is
// the same, the chance dissolution picks the jokers, and the blocker always
// comes, on field 80.
class ScriptThenHigh : public game::RandomSource {
 public:
  void Script(std::initializer_list<double> values) { values_.insert(values_.end(), values); }
  double Next() override {
    if (values_.empty()) return 0.99;
    const double value = values_.front();
    values_.pop_front();
    return value;
  }
  void Reseed() override {}

 private:
  std::deque<double> values_;
};

// A draw that the colour draw (factor 7.18) turns into `colour`, and one
// that the position draw turns into `index`.
double Colour(int colour) { return (colour + 0.5) / 7.18; }
double Position(int index) { return (index + 0.5) / 81; }

// The bytes of a file, none if there is no such file.
QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct QuitWay {
  const char* name;
  std::function<void(Form1&)> quit;
  friend void PrintTo(const QuitWay& way, std::ostream* out) { *out << way.name; }
};

class QuitInsideATree : public ::testing::TestWithParam<QuitWay> {
 protected:
  QuitInsideATree() : form(sound, random, highscore::HighscoreFile(folder.filePath("P1.dat"))) {
    form.SetQuitAction([this] { ++quits; });
    form.Form_Load();
  }

  QTemporaryDir folder;
  RecordingSound sound;
  ScriptThenHigh random;
  Form1 form;
  int quits = 0;
};

// A drop that brings three new fields; the first completes column 0, so the
// second series credits a stripe and draws its tree. Left to go on, the
// drop would set the jokers on fire and place a blocker with its sound.
TEST_P(QuitInsideATree, EndsTheDropThere) {
  for (int field : {0, 9, 18, 27}) form.game().Belegen(field, game::kRed);
  form.game().Belegen(49, game::kBlue);
  random.Script({Colour(game::kRed), Position(36), Colour(game::kGreen), Position(50),
                 Colour(game::kCyan), Position(60)});
  form.show();
  const QByteArray highscoreBefore = FileBytes(folder.filePath("P1.dat"));
  sound.played.clear();

  QTimer::singleShot(0, &form, [this] { GetParam().quit(form); });
  form.game().picP_DragDrop(49, 49);

  EXPECT_EQ(quits, 1);
  EXPECT_THAT(sound.played, ElementsAre("sounds/sound2.wav/1", "sounds/sound3.wav/1"))
      << "no sound after the quit";
  EXPECT_TRUE(form.game().picP(80).IsEmpty()) << "no blocker";
  EXPECT_FALSE(Timer(form)->isActive()) << "no flames waiting for a tick";
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.highscoreWindows()->form3()->isVisible()) << "no name entry";
  EXPECT_EQ(FileBytes(folder.filePath("P1.dat")), highscoreBefore) << "nothing written";
}

INSTANTIATE_TEST_SUITE_P(
    Form1, QuitInsideATree,
    ::testing::Values(QuitWay{"QuitButton",
                              [](Form1& form) {
                                CommandButton(form, form1::kProgrammBeenden)->click();
                              }},
                      QuitWay{"CloseFromOutside", [](Form1& form) { form.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace breliko::ui::testing
