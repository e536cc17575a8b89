// Sound: the worker on the audio thread that feeds one clip at a time to the audio sink.
#pragma once

#include <QObject>

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "sound/sound_complaints.h"
#include "sound/wave_file.h"
#include "sound/wave_player.h"

class QAudioSink;
class QTimer;

namespace breliko::sound {

// Plays one clip at a time on the default audio output. It lives in the
// audio thread: Qt's audio sinks need a running event loop, and the game's
// thread must be free to wait without running one.
class AudioWorker : public QObject {
  Q_OBJECT

 public:
  explicit AudioWorker(std::shared_ptr<SoundComplaints> complaints);
  ~AudioWorker() override;

  // Hands a clip to the audio thread, from any thread: it cuts the clip
  // still playing, if any, and plays. The clip ends when the device has
  // played it, was cut (a clip handed over before the audio thread took the
  // one before it cuts that one unheard), or could not be played.
  void Post(WaveClip clip, std::shared_ptr<ClipProgress> progress);

 signals:
  // A clip waits in the hand-over; connected, queued, to PlayPosted.
  void ClipPosted();

 private:
  struct PostedClip {
    WaveClip clip;
    std::shared_ptr<ClipProgress> progress;
  };

  void PlayPosted();
  void Play(WaveClip clip, std::shared_ptr<ClipProgress> progress);
  void FollowPlaying();
  void Stop();
  void DropRetiredSinks();

  std::shared_ptr<SoundComplaints> complaints_;
  QTimer* playingTimer_;
  std::unique_ptr<QAudioSink> sink_;
  std::chrono::microseconds length_{0};
  std::chrono::steady_clock::time_point startedAt_;
  // Stopped sinks wait here to be destroyed from an event of their own:
  // Qt's Pulse sink runs pending events while it is destroyed, and the
  // next clip must not start in the middle of starting or stopping one.
  std::vector<std::unique_ptr<QAudioSink>> retired_;
  std::shared_ptr<ClipProgress> progress_;

  // The hand-over between the game's thread and the audio thread. The clip
  // travels under a mutex of our own rather than inside Qt's queued event,
  // so that every hand-over is visible to ThreadSanitizer; the event only
  // wakes the audio thread.
  std::mutex postMutex_;
  std::optional<PostedClip> posted_;
};

}  // namespace breliko::sound
