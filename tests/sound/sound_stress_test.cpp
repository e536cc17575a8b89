// The real sound player pushed hard while the program around it comes and
// goes: hundreds of sounds that cut each other, some waited for, some
// unplayable, and the application quitting and being torn down while
// clips still play. Meant for ThreadSanitizer (the `tsan` stage), which
// watches every hand-over between the game's thread and the audio thread;
// in the normal build it shows that nothing hangs or crashes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/program_end.h"
#include "sound/qt_clip_player.h"
#include "sound_test_support.h"

namespace breliko::sound {
namespace {

constexpr int kRounds = 3;
constexpr int kPlaysPerRound = 150;

// Short clips of 5 to 80 ms, so that most are cut by the next one, and a
// file that is no wave file at all.
std::vector<std::string> WriteClips(const QTemporaryDir& dir) {
  std::vector<std::string> files;
  for (const std::size_t frames : {110, 440, 1100, 1760}) {
    files.push_back(dir.filePath(QString("clip%1.wav").arg(frames)).toStdString());
    soundtest::WriteFile(files.back(), soundtest::MonoWave(frames));
  }
  files.push_back(dir.filePath("broken.wav").toStdString());
  soundtest::WriteFile(files.back(), {'n', 'o', 'n', 'e'});
  return files;
}

// One run of the program: the application, the system's sound output, a
// timer that plays sound after sound as a hurried game would, and a quit
// that comes while clips are still playing. The player and then the
// application are torn down with sound in flight.
void PlayUntilQuit(const std::vector<std::string>& files, std::mt19937& random) {
  int argc = 1;
  char name[] = "sound_stress_test";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  auto sound = MakeSystemSoundOutput();

  std::uniform_int_distribution<std::size_t> pick(0, files.size() - 1);
  std::bernoulli_distribution waits(0.15);
  int played = 0;
  QTimer player;
  player.setInterval(1);
  QObject::connect(&player, &QTimer::timeout, [&] {
    sound->Play(files[pick(random)], waits(random) ? kPlayAndWait : kPlayAsync);
    if (++played == kPlaysPerRound) QCoreApplication::quit();
  });
  player.start();
  QApplication::exec();
  // After the event loop has ended, one more sound still starts on its way
  // out, as the last handler of a game might.
  sound->Play(files[0], kPlayAsync);
  EXPECT_EQ(played, kPlaysPerRound);
}

TEST(SoundStress, HundredsOfSoundsWhileTheProgramQuits) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir dir;
  const std::vector<std::string> files = WriteClips(dir);
  std::mt19937 random(12);
  soundtest::Watchdog watchdog("the stressed sound player", std::chrono::seconds(120));
  for (int round = 0; round < kRounds; ++round) PlayUntilQuit(files, random);
}

}  // namespace
}  // namespace breliko::sound

// The test program ends as the game does, past the static objects of Qt
// Multimedia that cannot be torn down safely (see EndProgram), and under
// AddressSanitizer with its leak check.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  breliko::app::EndProgram(RUN_ALL_TESTS());
}
