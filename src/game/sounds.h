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

// The two ways to play: return at once, or hold the game until the end.
inline constexpr int kSoundAsync = 1;
inline constexpr int kSoundWait = 0;

}  // namespace breliko::game
