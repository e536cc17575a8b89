// Sound: the worker on the audio thread that feeds one clip at a time to the audio sink.
#pragma once

#include <QObject>
#include <QSemaphore>

#include <memory>
#include <vector>

#include "sound/complaints.h"
#include "sound/wave_file.h"

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

  // Cuts the clip still playing, if any, and starts this one. `ended` is
  // released when the clip has played, was cut, or could not be played.
  void Play(WaveClip clip, std::shared_ptr<QSemaphore> ended);

 private:
  void Stop();
  void DropRetiredSinks();

  std::shared_ptr<SoundComplaints> complaints_;
  QTimer* endTimer_;
  std::unique_ptr<QAudioSink> sink_;
  // Stopped sinks wait here to be destroyed from an event of their own:
  // Qt's Pulse sink runs pending events while it is destroyed, and the
  // next clip must not start in the middle of starting or stopping one.
  std::vector<std::unique_ptr<QAudioSink>> retired_;
  std::shared_ptr<QSemaphore> ended_;
};

}  // namespace breliko::sound
