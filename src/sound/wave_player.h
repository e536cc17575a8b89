// Sound: the player that loads wave files and waits, or not, for them to end.
#pragma once

#include <QSemaphore>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "sound/sound_complaints.h"
#include "sound/sound_output.h"
#include "sound/wave_file.h"

namespace breliko::sound {

// Puts checked clips out to an audio device.
class ClipPlayer {
 public:
  virtual ~ClipPlayer() = default;
  // Starts playing a clip and returns at once, cutting any clip still
  // playing. `ended` is released exactly once, when the clip has played to
  // its end, was cut by the next one, or could not be played at all.
  virtual void Start(WaveClip clip, std::shared_ptr<QSemaphore> ended) = 0;
};

// How much longer than its own length a waiting caller gives a sound: room
// for the device to start, but a device that stalls holds the game only
// briefly.
inline constexpr std::chrono::milliseconds kSoundWaitMargin{500};

// Plays wave files the way the game's Windows call did: a checked clip is
// handed to a ClipPlayer, and without kPlayAsync the caller waits for its
// end, though never longer than the clip's length plus kSoundWaitMargin.
// A file that cannot be played is told about once and then skipped.
class WavePlayer final : public SoundOutput {
 public:
  WavePlayer(std::unique_ptr<ClipPlayer> clips, std::shared_ptr<SoundComplaints> complaints);

  void Play(const std::string& file, std::int32_t flags) override;

 private:
  std::unique_ptr<ClipPlayer> clips_;
  std::shared_ptr<SoundComplaints> complaints_;
};

}  // namespace breliko::sound
