// Sound: the one interface through which the game plays its wave files.
#pragma once

#include <cstdint>
#include <string>

namespace breliko::sound {

// Where `TonSpielen` sends its sounds. The main window holds one; its tests
// hand it a fake that records the calls.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Plays a wave file named relative to the working directory. With the
  // game's flags (game/sounds.h): without kSoundAsync the call holds the
  // caller until the sound has
  // ended. A file that cannot be played is skipped silently after one line
  // on stderr; the game never waits for a sound that does not play.
  virtual void Play(const std::string& file, std::int32_t flags) = 0;
};

}  // namespace breliko::sound
