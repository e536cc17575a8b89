// Sound: the player that loads wave files and waits, or not, for them to end.
#pragma once

#include <QSemaphore>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "sound/sound_complaints.h"
#include "sound/sound_output.h"
#include "sound/wave_file.h"

namespace breliko::sound {

// One clip on its way through an audio device, shared by the caller, who
// may wait for its end, and the device, each on a thread of its own.
struct ClipProgress {
  // Released exactly once: when the clip has played to its end, was cut by
  // the next one, or could not be played at all.
  QSemaphore ended;
  // How much of the clip the device has played so far.
  std::atomic<std::int64_t> playedUs = 0;
};

// Puts checked clips out to an audio device.
class ClipPlayer {
 public:
  virtual ~ClipPlayer() = default;
  // Starts playing a clip and returns at once, cutting any clip still
  // playing, and tells `progress` how far the clip has come.
  virtual void Start(WaveClip clip, std::shared_ptr<ClipProgress> progress) = 0;
};

// How long a waiting caller goes on waiting while the device plays nothing
// more of the sound. A busy machine starts and plays a sound late by tens
// or hundreds of milliseconds; a sound server that stalls holds the game
// only this long.
inline constexpr std::chrono::milliseconds kSoundStall{2000};

// Plays wave files the way the game's Windows call did: a checked clip is
// handed to a ClipPlayer, and without kPlayAsync the caller waits until the
// device has played it whole, or has played nothing more of it for
// kSoundStall. A file that cannot be played is told about once and then
// skipped.
class WavePlayer final : public SoundOutput {
 public:
  WavePlayer(std::unique_ptr<ClipPlayer> clips, std::shared_ptr<SoundComplaints> complaints);

  void Play(const std::string& file, std::int32_t flags) override;

 private:
  std::unique_ptr<ClipPlayer> clips_;
  std::shared_ptr<SoundComplaints> complaints_;
};

}  // namespace breliko::sound
