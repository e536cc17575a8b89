// The sound player's end of a clip, judged by what the output really played.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QFile>
#include <QMediaDevices>
#include <QString>
#include <QThread>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>
#include <vector>

#include "sound/qt_clip_player.h"
#include "sound_test_support.h"

namespace breliko::sound {
namespace {

// `ms` milliseconds at 22050 Hz of one steady level in every channel (a
// share of full scale), so that a recording of the output tells which clip
// sounded and for how long.
WaveClip Steady(const WaveFormat& format, int ms, double level) {
  std::vector<std::uint8_t> samples;
  const auto put = [&samples](auto value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    samples.insert(samples.end(), bytes, bytes + sizeof value);
  };
  for (int i = 0; i < 22050 * ms / 1000 * format.channels; ++i) {
    if (format.encoding == SampleEncoding::UnsignedInt)
      put(static_cast<std::uint8_t>(128 + std::lround(level * 127)));
    else if (format.encoding == SampleEncoding::Float)
      put(static_cast<float>(level));
    else if (format.bitsPerSample == 16)
      put(static_cast<std::int16_t>(std::lround(level * 32767)));
    else
      put(static_cast<std::int32_t>(std::lround(level * 2147483647.0)));
  }
  return {"steady", format, samples};
}

// What the server's default output has played, as the test's runner
// records it from the monitor: the sound a player hears, however late or
// slow the machine let it start.
class OutputRecording {
 public:
  explicit OutputRecording(QString fileName) : fileName_(std::move(fileName)) {}

  // Waits, up to a generous limit, until `ms` of `level` have been recorded.
  bool WaitFor(double level, int ms) const {
    const QDeadlineTimer limit(20000);
    while (MsAt(level) < ms) {
      if (limit.hasExpired()) return false;
      QThread::msleep(20);
    }
    return true;
  }

  // How long the recording held `level`, within a twentieth of full scale.
  int MsAt(double level) const {
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray bytes = file.readAll();
    std::int64_t frames = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
      std::int16_t sample = 0;
      std::memcpy(&sample, bytes.constData() + i, 2);
      if (std::abs(sample / 32768.0 - level) < 0.05) ++frames;
    }
    return static_cast<int>(frames * 1000 / 22050);
  }

 private:
  QString fileName_;
};

// On a real server a clip of every kind of sample the files hold is heard
// whole before it ends: each next clip starts the moment the one before
// ended, so an end that came early cuts its clip short in the recording. A
// clip cut by the next one ends too. Each end comes exactly once.
TEST(SoundAudioThread, AClipEndsAfterItHasPlayedWholeOrWhenItIsCut) {
  const QString recorded = qEnvironmentVariable("BRELIKO_OUTPUT_RECORDING");
  if (recorded.isEmpty()) GTEST_SKIP() << "run by with_recorded_output.sh only";
  ASSERT_FALSE(QMediaDevices::defaultAudioOutput().isNull()) << "the server offers no output";
  const OutputRecording recording(recorded);
  ASSERT_TRUE(recording.WaitFor(0.0, 100)) << "parec records nothing from the output";
  std::ostringstream log;
  std::vector<std::shared_ptr<ClipProgress>> ends;
  // The level of each clip, and how long the player must hear it.
  std::vector<std::pair<double, int>> heard;
  {
    auto complaints = std::make_shared<SoundComplaints>(log);
    QtClipPlayer player(complaints);
    soundtest::Watchdog watchdog("the real sound player on a server", std::chrono::seconds(60));
    const auto playToEnd = [&](const WaveFormat& format, int ms, double level) {
      heard.emplace_back(level, ms);
      auto progress = ends.emplace_back(std::make_shared<ClipProgress>());
      player.Start(Steady(format, ms, level), progress);
      return progress->ended.tryAcquire(1, 10000);
    };
    const WaveFormat formats[] = {{SampleEncoding::UnsignedInt, 1, 22050, 8},
                                  {SampleEncoding::SignedInt, 2, 22050, 16},
                                  {SampleEncoding::SignedInt, 1, 22050, 32},
                                  {SampleEncoding::Float, 2, 22050, 32}};
    const double levels[] = {0.2, 0.35, 0.5, 0.65};
    for (int i = 0; i < 4; ++i)
      ASSERT_TRUE(playToEnd(formats[i], 1000, levels[i])) << "the clip never ended";

    auto cut = ends.emplace_back(std::make_shared<ClipProgress>());
    player.Start(Steady(formats[1], 3000, -0.3), cut);
    QThread::msleep(300);
    ASSERT_TRUE(playToEnd(formats[1], 1000, 0.8)) << "the clip after the cut one never ended";
    EXPECT_TRUE(cut->ended.tryAcquire(1, 10000)) << "the cut clip never ended";
    // The last clip is followed by one more; once that is heard, everything
    // before it is in the recording.
    ASSERT_TRUE(playToEnd(formats[1], 300, -0.6)) << "the last clip never ended";
    ASSERT_TRUE(recording.WaitFor(-0.6, 100)) << "the last clip was never heard";
  }  // the audio thread has finished here
  heard.pop_back();
  // The server starts a new stream at once by mixing it into what its sink
  // has already made, up to the null sink's 50 ms, and a step in level
  // rings in its resampler: that much less is recorded, and a tenth more
  // is allowed for. A clip cut by a quarter falls short of it.
  for (const auto& [level, ms] : heard)
    EXPECT_GE(recording.MsAt(level), ms * 9 / 10 - 50)
        << "the clip at " << level << " was cut short";
  for (const auto& progress : ends)
    EXPECT_EQ(progress->ended.available(), 0) << "an end came twice";
  EXPECT_EQ(log.str(), "");
}

}  // namespace
}  // namespace breliko::sound
