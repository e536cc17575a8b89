// Sound: reading and checking a RIFF/WAVE file into a playable clip.
#include "sound/wave_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace breliko::sound {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

constexpr std::size_t kRiffHeaderSize = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeaderSize = 8;  // tag, size
constexpr std::size_t kPlainFmtSize = 16;
constexpr std::size_t kExtensibleFmtSize = 40;
// In an extensible format chunk the sub-format GUID starts here; its first
// two bytes are the plain format tag.
constexpr std::size_t kSubFormatOffset = 24;

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(ReadU16(bytes, at)) |
         static_cast<std::uint32_t>(ReadU16(bytes, at + 2)) << 16;
}

bool HasTag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag) {
  return std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

struct FormatCheck {
  std::optional<WaveFormat> format;
  std::string problem;
};

FormatCheck Refuse(std::string problem) { return {std::nullopt, std::move(problem)}; }

FormatCheck ReadFormatChunk(std::span<const std::uint8_t> body) {
  if (body.size() < kPlainFmtSize) return Refuse("its format chunk is too short");
  std::uint16_t tag = ReadU16(body, 0);
  if (tag == kFormatExtensible) {
    if (body.size() < kExtensibleFmtSize) return Refuse("its format chunk is too short");
    tag = ReadU16(body, kSubFormatOffset);
  }
  WaveFormat format;
  format.channels = ReadU16(body, 2);
  const std::uint32_t rate = ReadU32(body, 4);
  const std::uint16_t blockAlign = ReadU16(body, 12);
  format.bitsPerSample = ReadU16(body, 14);

  if (tag != kFormatPcm && tag != kFormatFloat) {
    return Refuse("its samples are compressed (format " + std::to_string(tag) + ")");
  }
  const int bits = format.bitsPerSample;
  if (tag == kFormatPcm && bits == 8) {
    format.encoding = SampleEncoding::UnsignedInt;
  } else if (tag == kFormatPcm && (bits == 16 || bits == 32)) {
    format.encoding = SampleEncoding::SignedInt;
  } else if (tag == kFormatFloat && bits == 32) {
    format.encoding = SampleEncoding::Float;
  } else {
    return Refuse("it has " + std::to_string(bits) + "-bit samples");
  }
  if (format.channels < 1 || format.channels > 8) {
    return Refuse("it has " + std::to_string(format.channels) + " channels");
  }
  if (rate < 1000 || rate > 384000) {
    return Refuse("its sample rate of " + std::to_string(rate) + " Hz is out of range");
  }
  format.sampleRate = static_cast<int>(rate);
  if (blockAlign != format.BytesPerFrame()) {
    return Refuse("its header contradicts itself (block align " + std::to_string(blockAlign) + ")");
  }
  return {format, {}};
}

WaveHeaderCheck Reject(std::string problem) { return {std::nullopt, std::move(problem)}; }

}  // namespace

WaveHeaderCheck ParseWaveHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return Reject("the file is empty");
  if (bytes.size() < kRiffHeaderSize || !HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE")) {
    return Reject("it is no RIFF/WAVE file");
  }

  std::optional<WaveFormat> format;
  std::optional<std::size_t> dataOffset;
  std::size_t dataSize = 0;
  bool truncated = false;

  // Walk the chunks; their order is free, and a chunk the game does not
  // need (a list of tags, a cue) is stepped over.
  std::size_t at = kRiffHeaderSize;
  while (at + kChunkHeaderSize <= bytes.size()) {
    const std::size_t size = ReadU32(bytes, at + 4);
    const std::size_t body = at + kChunkHeaderSize;
    if (size > bytes.size() - body) {
      truncated = true;
      break;
    }
    if (HasTag(bytes, at, "fmt ")) {
      FormatCheck check = ReadFormatChunk(bytes.subspan(body, size));
      if (!check.format) return Reject(std::move(check.problem));
      format = check.format;
    } else if (HasTag(bytes, at, "data")) {
      dataOffset = body;
      dataSize = size;
    }
    if (format && dataOffset) break;
    at = body + size + size % 2;  // chunks are padded to an even length
  }

  if (!format || !dataOffset) {
    if (truncated) return Reject("the file is truncated");
    return Reject(format ? "it has no sample data" : "it has no format chunk");
  }
  WaveLayout layout{*format, *dataOffset, dataSize};
  layout.dataSize -= layout.dataSize % format->BytesPerFrame();
  if (layout.dataSize == 0) return Reject("it holds no samples");
  return {layout, {}};
}

std::chrono::microseconds PlayingTime(const WaveFormat& format, std::size_t bytes) {
  if (format.BytesPerFrame() <= 0 || format.sampleRate <= 0) return {};
  const auto frames = static_cast<std::int64_t>(bytes / format.BytesPerFrame());
  return std::chrono::microseconds(frames * 1'000'000 / format.sampleRate);
}

WaveClipLoad LoadWaveClip(const std::string& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return {std::nullopt, "it cannot be read (" + error.message() + ")"};
  if (size > kLargestWaveFile) return {std::nullopt, "it is too large for a game sound"};

  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  std::ifstream in(file, std::ios::binary);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad() || !in.is_open()) return {std::nullopt, "it cannot be read"};
  bytes.resize(static_cast<std::size_t>(in.gcount()));

  WaveHeaderCheck check = ParseWaveHeader(bytes);
  if (!check.layout) return {std::nullopt, std::move(check.problem)};
  const WaveLayout& layout = *check.layout;
  const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(layout.dataOffset);
  return {
      WaveClip{file, layout.format, {first, first + static_cast<std::ptrdiff_t>(layout.dataSize)}},
      {}};
}

}  // namespace breliko::sound
