// Sound: reading and checking a RIFF/WAVE file into a playable clip.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace breliko::sound {

// How the samples of a wave file are stored. Only what an audio output can
// take as it is: unsigned 8-bit, signed 16- or 32-bit integers, 32-bit float.
enum class SampleEncoding { UnsignedInt, SignedInt, Float };

struct WaveFormat {
  SampleEncoding encoding = SampleEncoding::SignedInt;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;

  int BytesPerFrame() const { return channels * bitsPerSample / 8; }
  bool operator==(const WaveFormat&) const = default;
};

// Where a wave file's samples lie, as its RIFF header tells.
struct WaveLayout {
  WaveFormat format;
  std::size_t dataOffset = 0;
  std::size_t dataSize = 0;  // whole frames only
};

// Either a layout, or in `problem` why the bytes are no wave file we can
// play, in words fit for one line on stderr.
struct WaveHeaderCheck {
  std::optional<WaveLayout> layout;
  std::string problem;
};

// Reads the RIFF/WAVE header of a whole file's bytes. Only the header is
// trusted after it has been checked against the bytes that are really
// there, so an empty, truncated or foreign file is reported, never read
// past its end.
WaveHeaderCheck ParseWaveHeader(std::span<const std::uint8_t> bytes);

// How long `bytes` of samples in a format play.
std::chrono::microseconds PlayingTime(const WaveFormat& format, std::size_t bytes);

// A sound loaded and checked, ready for an audio output.
struct WaveClip {
  std::string file;
  WaveFormat format;
  std::vector<std::uint8_t> samples;  // whole frames only

  std::chrono::microseconds Duration() const { return PlayingTime(format, samples.size()); }
};

struct WaveClipLoad {
  std::optional<WaveClip> clip;
  std::string problem;
};

// Game sounds are short; anything larger than this is refused rather than
// read into memory.
inline constexpr std::size_t kLargestWaveFile = std::size_t{16} * 1024 * 1024;

// Reads and checks a wave file.
WaveClipLoad LoadWaveClip(const std::string& file);

}  // namespace breliko::sound
