// Sound: the audio thread that owns Qt Multimedia, and the system sound output built on it.
#pragma once

#include <memory>

#include "sound/sound_complaints.h"
#include "sound/sound_output.h"
#include "sound/wave_file.h"
#include "sound/wave_player.h"

namespace breliko::sound {

class AudioThread;

// Plays clips through Qt Multimedia from a thread of its own, so that the
// game's thread can wait for a sound's end without running events. The
// audio thread makes its worker, and with it every audio sink, and destroys
// them itself before it ends; the destructor ends and joins that thread. A
// thread the sound server holds past a short wait is told about and left
// to the end of the process.
class QtClipPlayer final : public ClipPlayer {
 public:
  explicit QtClipPlayer(std::shared_ptr<SoundComplaints> complaints);
  ~QtClipPlayer() override;
  QtClipPlayer(const QtClipPlayer&) = delete;
  QtClipPlayer& operator=(const QtClipPlayer&) = delete;

  void Start(WaveClip clip, std::shared_ptr<ClipProgress> progress) override;

 private:
  std::unique_ptr<AudioThread> thread_;
  std::shared_ptr<SoundComplaints> complaints_;
};

// The program's sound: wave files played on the default audio output, with
// a line on stderr for each file that cannot be played. Needs a running
// QCoreApplication, which must outlive it.
std::unique_ptr<SoundOutput> MakeSystemSoundOutput();

}  // namespace breliko::sound
