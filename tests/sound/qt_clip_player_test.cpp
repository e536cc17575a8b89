#include "sound/qt_clip_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sound_test_support.h"

namespace breliko::sound {
namespace {

std::string GameSound(int n) { return BRELIKO_SOUNDS_DIR "/sound" + std::to_string(n) + ".wav"; }

// Runs the real player the way a game does. On a machine without an audio
// output (as in CI) every call must come back at once; where there is one,
// the sounds are heard and the waiting ones end with their sound. Either
// way nothing hangs, and nothing is told twice.
TEST(SoundAudioThread, PlaysAGameThroughWithoutHangingOrRepeatingItself) {
  std::ostringstream log;
  const std::string missing = BRELIKO_SOUNDS_DIR "/no-such-sound.wav";
  {
    auto complaints = std::make_shared<SoundComplaints>(log);
    WavePlayer player(std::make_unique<QtClipPlayer>(complaints), complaints);
    soundtest::Watchdog watchdog("the real sound player");
    for (int n = 1; n <= 7; ++n) player.Play(GameSound(n), kPlayAsync);
    for (int round = 0; round < 2; ++round) {
      player.Play(GameSound(2), kPlayAsync);
      player.Play(missing, kPlayAsync);
      player.Play(GameSound(5), kPlayAndWait);
      player.Play(missing, kPlayAndWait);
      player.Play(GameSound(7), kPlayAndWait);
    }
  }  // the audio thread has finished here, so the log is complete

  std::map<std::string, int> linesAbout;
  std::istringstream in(log.str());
  const std::string prefix = "breliko: cannot play ";
  for (std::string line; std::getline(in, line);) {
    ASSERT_TRUE(line.starts_with(prefix)) << line;
    const auto end = line.find(": ", prefix.size());
    ++linesAbout[line.substr(prefix.size(), end - prefix.size())];
  }
  EXPECT_EQ(linesAbout[missing], 1) << log.str();
  for (const auto& [what, count] : linesAbout) EXPECT_EQ(count, 1) << what;
}

// tools/test.sh plays the sounds through a private PulseAudio server with a
// null sink and names it in PULSE_SERVER. There every game sound must be
// taken by the output, no line about any of them, and each waited for at
// least as long as it lasts. In CI a missing server is a failure; by hand,
// without one, the test is skipped.
TEST(SoundAudioThread, EveryGameSoundIsTakenByARealServer) {
  if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
    if (qEnvironmentVariable("CI") == "true") {
      FAIL() << "PULSE_SERVER is not set: the tests stage starts a sound server for this test";
    }
    GTEST_SKIP() << "no PULSE_SERVER; source tools/pulse_server.sh and run pulse_start FOLDER";
  }
  ASSERT_FALSE(QMediaDevices::defaultAudioOutput().isNull()) << "the server offers no output";
  std::ostringstream log;
  {
    auto complaints = std::make_shared<SoundComplaints>(log);
    WavePlayer player(std::make_unique<QtClipPlayer>(complaints), complaints);
    soundtest::Watchdog watchdog("the real sound player on a server", std::chrono::seconds(30));
    // Each file's own length (its frames at 22050 Hz): a waited-for sound
    // holds the game at least that long, however busy the machine is.
    const int lengthMs[] = {949, 109, 600, 1000, 320, 900, 920};
    for (int n = 1; n <= 7; ++n) {
      QElapsedTimer clock;
      clock.start();
      player.Play(GameSound(n), kPlayAndWait);
      EXPECT_GE(clock.elapsed(), lengthMs[n - 1]) << "sound" << n << " was cut short";
    }
  }
  EXPECT_EQ(log.str(), "");
}

TEST(SoundAudioThread, SystemOutputComesBackFromAWaitingSound) {
  const std::unique_ptr<SoundOutput> sound = MakeSystemSoundOutput();
  soundtest::Watchdog watchdog("the system sound output");
  sound->Play(GameSound(5), kPlayAndWait);
}

}  // namespace
}  // namespace breliko::sound
