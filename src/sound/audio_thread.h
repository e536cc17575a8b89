// Sound: the audio thread that owns Qt Multimedia, and the system sound output built on it.
#pragma once

#include <QSemaphore>
#include <QThread>

#include <memory>

#include "sound/complaints.h"
#include "sound/sound_output.h"
#include "sound/sound_player.h"
#include "sound/wave_file.h"

namespace breliko::sound {

class AudioWorker;

// Plays clips through Qt Multimedia from a thread of its own, so that the
// game's thread can wait for a sound's end without running events.
class QtClipPlayer final : public ClipPlayer {
 public:
  explicit QtClipPlayer(std::shared_ptr<SoundComplaints> complaints);
  ~QtClipPlayer() override;

  void Start(WaveClip clip, std::shared_ptr<QSemaphore> ended) override;

 private:
  std::unique_ptr<QThread> thread_;
  AudioWorker* worker_;  // lives in thread_ and is deleted there
};

// The program's sound: wave files played on the default audio output, with
// a line on stderr for each file that cannot be played. Needs a running
// QCoreApplication.
std::unique_ptr<SoundOutput> MakeSystemSoundOutput();

}  // namespace breliko::sound
