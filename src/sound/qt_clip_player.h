// Sound: the audio thread that owns Qt Multimedia, and the system sound output built on it.
#pragma once

#include <QSemaphore>

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
// them itself before it ends; the destructor ends and joins that thread.
class QtClipPlayer final : public ClipPlayer {
 public:
  explicit QtClipPlayer(std::shared_ptr<SoundComplaints> complaints);
  ~QtClipPlayer() override;
  QtClipPlayer(const QtClipPlayer&) = delete;
  QtClipPlayer& operator=(const QtClipPlayer&) = delete;

  void Start(WaveClip clip, std::shared_ptr<QSemaphore> ended) override;

 private:
  std::unique_ptr<AudioThread> thread_;
};

// The program's sound: wave files played on the default audio output, with
// a line on stderr for each file that cannot be played. Needs a running
// QCoreApplication, which must outlive it.
std::unique_ptr<SoundOutput> MakeSystemSoundOutput();

// Ends the process with `status` once everything main made, the sound output
// and the application included, is gone: it flushes the standard streams and
// skips the static destructors. Qt Multimedia 6.4 keeps its PulseAudio
// connections in static objects, and their destructor calls
// pa_context_disconnect and pa_context_unref without the threaded main
// loop's lock, while that loop's thread may be handling a message from the
// sound server (the sink falling idle after the last sound, for one). The
// program then aborts in pa_pdispatch_run or pa_pdispatch_register_reply, or
// hangs joining the loop's thread. Left alone, the connection is closed by
// the system when the process ends.
[[noreturn]] void EndProgram(int status);

}  // namespace breliko::sound
