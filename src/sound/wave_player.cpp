// Sound: the player that loads wave files and waits, or not, for them to end.
#include "sound/wave_player.h"

#include <algorithm>
#include <utility>

namespace breliko::sound {

namespace {

// The game names its sounds the Windows way, "sounds\sound1.wav"; here the
// folder separator is a slash.
std::string WithSlashes(std::string file) {
  std::replace(file.begin(), file.end(), '\\', '/');
  return file;
}

// No events are run while we wait: like the Windows call, a waiting sound
// holds the whole game, and a timer tick that falls due runs afterwards.
void WaitForEnd(ClipProgress& progress) {
  std::int64_t played = 0;
  while (!progress.ended.tryAcquire(1, static_cast<int>(kSoundStall.count()))) {
    const std::int64_t now = progress.playedUs;
    if (now == played) return;
    played = now;
  }
}

}  // namespace

WavePlayer::WavePlayer(std::unique_ptr<ClipPlayer> clips,
                       std::shared_ptr<SoundComplaints> complaints)
    : clips_(std::move(clips)), complaints_(std::move(complaints)) {}

void WavePlayer::Play(const std::string& file, std::int32_t flags) {
  const std::string path = WithSlashes(file);
  WaveClipLoad load = LoadWaveClip(path);
  if (!load.clip) {
    complaints_->Tell(path, load.problem);
    return;
  }
  auto progress = std::make_shared<ClipProgress>();
  clips_->Start(std::move(*load.clip), progress);
  if (flags & kPlayAsync) return;
  WaitForEnd(*progress);
}

}  // namespace breliko::sound
