#include "sound/wave_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <atomic>
#include <functional>
#include <sstream>
#include <thread>

#include "sound_test_support.h"

namespace breliko::sound {
namespace {

using ::testing::HasSubstr;
using ::testing::SizeIs;

// Records the clips it is given; what it does with their progress is up to
// each test, standing in for a device that finishes, stalls or fails.
class FakeClipPlayer : public ClipPlayer {
 public:
  using Behaviour = std::function<void(std::shared_ptr<ClipProgress>)>;

  explicit FakeClipPlayer(std::vector<WaveClip>& started, Behaviour behaviour)
      : started_(started), behaviour_(std::move(behaviour)) {}

  void Start(WaveClip clip, std::shared_ptr<ClipProgress> progress) override {
    started_.push_back(std::move(clip));
    behaviour_(std::move(progress));
  }

 private:
  std::vector<WaveClip>& started_;
  Behaviour behaviour_;
};

const FakeClipPlayer::Behaviour kStalls = [](std::shared_ptr<ClipProgress>) {};

class SoundPlayer : public ::testing::Test {
 protected:
  std::string WriteWave(const std::string& name, std::vector<std::uint8_t> bytes) {
    const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
    soundtest::WriteFile(path, bytes);
    return path;
  }

  WavePlayer MakePlayer(FakeClipPlayer::Behaviour behaviour) {
    return WavePlayer(std::make_unique<FakeClipPlayer>(started_, std::move(behaviour)),
                      std::make_shared<SoundComplaints>(log_));
  }

  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    std::istringstream in(log_.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  QTemporaryDir dir_;
  std::vector<WaveClip> started_;
  std::ostringstream log_;
};

TEST_F(SoundPlayer, HandsTheWholeClipToTheDevice) {
  const std::vector<std::uint8_t> bytes = soundtest::MonoWave(300);
  const std::string file = WriteWave("chime.wav", bytes);
  WavePlayer player = MakePlayer(kStalls);

  player.Play(file, kPlayAsync);

  ASSERT_THAT(started_, SizeIs(1));
  EXPECT_EQ(started_[0].file, file);
  EXPECT_EQ(started_[0].format.sampleRate, 22050);
  EXPECT_EQ(started_[0].samples, std::vector<std::uint8_t>(bytes.begin() + 44, bytes.end()));
  EXPECT_EQ(log_.str(), "");
}

TEST_F(SoundPlayer, FindsAFileNamedWithWindowsSeparators) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("sounds"));
  WriteWave("sounds/sound3.wav", soundtest::MonoWave(10));
  WavePlayer player = MakePlayer(kStalls);

  player.Play(dir_.path().toStdString() + "\\sounds\\sound3.wav", kPlayAsync);

  EXPECT_THAT(started_, SizeIs(1));
  EXPECT_EQ(log_.str(), "");
}

// A device that is done at once: only a caller that waits takes the end.
TEST_F(SoundPlayer, OnlyASynchronousSoundWaitsForItsEnd) {
  const std::string file = WriteWave("blip.wav", soundtest::MonoWave(22050));
  struct Case {
    std::int32_t flags;
    int endsLeftOver;
  };
  for (const Case c : {Case{kPlayAsync, 1}, Case{kPlayAndWait, 0}}) {
    std::shared_ptr<ClipProgress> progress;
    WavePlayer player = MakePlayer([&](std::shared_ptr<ClipProgress> p) {
      progress = p;
      progress->ended.release();
    });
    soundtest::Watchdog watchdog("Play on a device that is done at once");
    player.Play(file, c.flags);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->ended.available(), c.endsLeftOver) << "flags " << c.flags;
  }
}

// A busy machine plays a sound late and slowly: while the device goes on
// playing it, the game waits for its end, however long that takes.
TEST_F(SoundPlayer, SynchronousSoundReturnsOnlyAfterItsEnd) {
  const std::string file = WriteWave("thud.wav", soundtest::MonoWave(22050));
  std::atomic<bool> soundOver = false;
  std::thread device;
  WavePlayer player = MakePlayer([&](std::shared_ptr<ClipProgress> progress) {
    device = std::thread([&soundOver, progress] {
      for (int step = 0; step < 3; ++step) {
        std::this_thread::sleep_for(kSoundStall * 2 / 5);
        progress->playedUs += 300'000;
      }
      soundOver = true;
      progress->ended.release();
    });
  });

  player.Play(file, kPlayAndWait);

  EXPECT_TRUE(soundOver);
  device.join();
}

// A device that plays nothing from the start, and would end only half the
// stall limit after it, holds the game no longer than the limit.
TEST_F(SoundPlayer, SynchronousSoundGivesUpOnAStalledDevice) {
  const std::string file = WriteWave("short.wav", soundtest::MonoWave(220));
  std::atomic<bool> soundOver = false;
  std::thread device;
  WavePlayer player = MakePlayer([&](std::shared_ptr<ClipProgress> progress) {
    device = std::thread([&soundOver, progress] {
      std::this_thread::sleep_for(kSoundStall * 3 / 2);
      soundOver = true;
      progress->ended.release();
    });
  });

  soundtest::Watchdog watchdog("a synchronous Play on a stalled device");
  player.Play(file, kPlayAndWait);
  EXPECT_FALSE(soundOver) << "the game waited on for a device that played nothing";
  device.join();
}

TEST_F(SoundPlayer, EachUnplayableFileIsToldOnceAndNeverStarted) {
  std::vector<std::uint8_t> cut = soundtest::MonoWave(100);
  cut.resize(60);
  const std::vector<std::string> files = {
      dir_.filePath("missing.wav").toStdString(),
      WriteWave("empty.wav", {}),
      WriteWave("text.wav", {'h', 'e', 'l', 'l', 'o'}),
      WriteWave("cut.wav", cut),
  };
  WavePlayer player = MakePlayer(kStalls);
  {
    soundtest::Watchdog watchdog("Play of unplayable files");
    for (int round = 0; round < 3; ++round) {
      for (const std::string& file : files) {
        player.Play(file, kPlayAndWait);
        player.Play(file, kPlayAsync);
      }
    }
  }

  EXPECT_THAT(started_, SizeIs(0));
  const std::vector<std::string> lines = LogLines();
  ASSERT_THAT(lines, SizeIs(files.size()));
  for (std::size_t i = 0; i < files.size(); ++i) {
    EXPECT_THAT(lines[i], HasSubstr(files[i]));
  }
}

}  // namespace
}  // namespace breliko::sound
