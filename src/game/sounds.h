#pragma once

namespace breliko::game {

// The wave files of the game events, relative to the working directory.
inline constexpr const char* kSoundStartUp = "sounds/sound1.wav";
inline constexpr const char* kSoundNewFields = "sounds/sound2.wav";
inline constexpr const char* kSoundStripe = "sounds/sound3.wav";
inline constexpr const char* kSoundSquare = "sounds/sound4.wav";
inline constexpr const char* kSoundBlocker = "sounds/sound5.wav";
inline constexpr const char* kSoundHighscore = "sounds/sound6.wav";
inline constexpr const char* kSoundGameEnd = "sounds/sound7.wav";

// The two ways to play, with the values the Windows call `sndPlaySoundA`
// gives them: return at once while the sound plays on, or hold the game
// until the sound has ended. The sound output reads the same flags.
inline constexpr int kSoundAsync = 1;
inline constexpr int kSoundWait = 0;

}  // namespace breliko::game
