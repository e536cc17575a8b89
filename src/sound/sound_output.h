// Sound: the one interface through which the game plays its wave files.
#pragma once

#include <cstdint>
#include <string>

namespace breliko::sound {

// The two ways to play, with the values of the Windows call the game was
// made for: return at once while the sound plays on, or hold the caller
// until the sound has ended.
inline constexpr std::int32_t kPlayAsync = 1;
inline constexpr std::int32_t kPlayAndWait = 0;

// Where `TonSpielen` sends its sounds. The main window holds one; its tests
// hand it a fake that records the calls.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Plays a wave file named relative to the working directory. Without
  // kPlayAsync in `flags` the call holds the caller until the sound has
  // ended. A file that cannot be played is skipped silently after one line
  // on stderr; the game never waits for a sound that does not play.
  virtual void Play(const std::string& file, std::int32_t flags) = 0;
};

}  // namespace breliko::sound
