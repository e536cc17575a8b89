// The real player on a machine without any audio output.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>

#include <sstream>

#include "sound/qt_clip_player.h"
#include "sound_test_support.h"

namespace breliko::sound {
namespace {

// A sound the game waits for comes back at once, told once, instead of
// holding the game for as long as the sound would last. The one line says
// why, and no file is blamed for the missing output.
TEST(SoundWithoutOutput, AWaitedForSoundComesBackAtOnce) {
  ASSERT_TRUE(QMediaDevices::defaultAudioOutput().isNull()) << "CTest runs this without a server";
  const QTemporaryDir folder;
  const std::string minute = folder.filePath(QStringLiteral("minute.wav")).toStdString();
  soundtest::WriteFile(minute, soundtest::MonoWave(22050 * 60));
  std::ostringstream log;
  {
    auto complaints = std::make_shared<SoundComplaints>(log);
    WavePlayer player(std::make_unique<QtClipPlayer>(complaints), complaints);
    const soundtest::Watchdog watchdog("a waited-for sound without output",
                                       std::chrono::seconds(30));
    player.Play(minute, kPlayAndWait);
  }
  EXPECT_EQ(log.str(), "breliko: cannot play sounds: there is no audio output\n");
}

}  // namespace
}  // namespace breliko::sound
