// Start-up: the game's sounds played from a folder other than ./sounds.
#pragma once

#include <QString>

#include "sound/sound_output.h"

namespace breliko::app {

// The game names its sounds "sounds/soundN.wav", relative to the working
// directory. Started from the desktop menu they live where the program is
// installed: this output hands the player the same file from that folder.
class SoundsFromFolder final : public sound::SoundOutput {
 public:
  SoundsFromFolder(sound::SoundOutput& player, const QString& folder);
  void Play(const std::string& file, std::int32_t flags) override;

 private:
  sound::SoundOutput& player_;
  std::string folder_;
};

}  // namespace breliko::app
