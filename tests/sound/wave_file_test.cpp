#include "sound/wave_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

#include "sound_test_support.h"

namespace breliko::sound {
namespace {

using soundtest::Chunk;
using soundtest::Data;
using soundtest::Fmt;
using soundtest::MonoWave;
using soundtest::Riff;
using ::testing::HasSubstr;

constexpr WaveFormat kMono16{SampleEncoding::SignedInt, 1, 22050, 16};

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

Chunk ExtensibleFloatFmt() {
  Chunk fmt = Fmt(0xFFFE, 2, 48000, 32);
  soundtest::PutU16(fmt.body, 22);  // size of the extension
  soundtest::PutU16(fmt.body, 32);  // valid bits
  soundtest::PutU32(fmt.body, 3);   // speaker mask
  soundtest::PutU16(fmt.body, 3);   // sub-format: IEEE float, then the rest of the GUID
  fmt.body.resize(40, 0x11);
  return fmt;
}

Chunk OneByteShortExtensibleFmt() {
  Chunk fmt = ExtensibleFloatFmt();
  fmt.body.pop_back();
  return fmt;
}

struct GoodCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  WaveFormat format;
  std::size_t dataOffset;
  std::size_t dataSize;
};

class GoodWaveHeader : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodWaveHeader, TellsFormatAndWhereTheSamplesLie) {
  const GoodCase& c = GetParam();
  const WaveHeaderCheck check = ParseWaveHeader(c.bytes);
  ASSERT_TRUE(check.layout.has_value()) << check.problem;
  EXPECT_EQ(check.layout->format, c.format);
  EXPECT_EQ(check.layout->dataOffset, c.dataOffset);
  EXPECT_EQ(check.layout->dataSize, c.dataSize);
}

INSTANTIATE_TEST_SUITE_P(
    Sound, GoodWaveHeader,
    ::testing::Values(
        GoodCase{"Mono16", MonoWave(100), kMono16, 44, 200},
        GoodCase{"Stereo8AfterAnOddSizedTagChunk",
                 Riff({{"LIST", {1, 2, 3}}, Fmt(1, 2, 8000, 8), Data(40)}),
                 {SampleEncoding::UnsignedInt, 2, 8000, 8},
                 12 + 12 + 24 + 8,
                 40},
        GoodCase{"SamplesBeforeFormat", Riff({Data(20), Fmt(1, 1, 22050, 16)}), kMono16, 20, 20},
        GoodCase{"ExtensibleFloat",
                 Riff({ExtensibleFloatFmt(), Data(64)}),
                 {SampleEncoding::Float, 2, 48000, 32},
                 12 + 48 + 8,
                 64},
        GoodCase{"HalfFrameAtTheEndIsDropped",
                 Riff({Fmt(1, 2, 44100, 16), Data(10)}),
                 {SampleEncoding::SignedInt, 2, 44100, 16},
                 44,
                 8},
        GoodCase{"CutTagChunkAfterTheSamples",
                 Riff({Fmt(1, 1, 22050, 16), Data(8), {"LIST", {1, 2}, 500}}), kMono16, 44, 8},
        GoodCase{"EightChannels",
                 Riff({Fmt(1, 8, 22050, 16), Data(32)}),
                 {SampleEncoding::SignedInt, 8, 22050, 16},
                 44,
                 32},
        GoodCase{"LowestRate",
                 Riff({Fmt(1, 1, 1000, 8), Data(10)}),
                 {SampleEncoding::UnsignedInt, 1, 1000, 8},
                 44,
                 10},
        GoodCase{"HighestRate",
                 Riff({Fmt(3, 1, 384000, 32), Data(16)}),
                 {SampleEncoding::Float, 1, 384000, 32},
                 44,
                 16}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  const char* problem;
};

class BadWaveHeader : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadWaveHeader, IsRefusedWithAReason) {
  const BadCase& c = GetParam();
  const WaveHeaderCheck check = ParseWaveHeader(c.bytes);
  EXPECT_FALSE(check.layout.has_value());
  EXPECT_THAT(check.problem, HasSubstr(c.problem));
}

INSTANTIATE_TEST_SUITE_P(
    Sound, BadWaveHeader,
    ::testing::Values(
        BadCase{"Empty", {}, "empty"}, BadCase{"OnlyTheRiffTag", Bytes("RIFF"), "no RIFF/WAVE"},
        BadCase{"Text", Bytes("these are no samples, just words\n"), "no RIFF/WAVE"},
        BadCase{"RiffOfAnotherKind", Riff({Data(8)}, "AVI "), "no RIFF/WAVE"},
        BadCase{"HeaderOnly", Riff({}), "no format chunk"},
        BadCase{"NoSamples", Riff({Fmt(1, 1, 22050, 16)}), "no sample data"},
        BadCase{"CutInsideTheFormat", Riff({{"fmt ", {1, 0, 1, 0}, 16}}), "truncated"},
        BadCase{"CutInsideTheSamples", Riff({Fmt(1, 1, 22050, 16), Data(10, 1000)}), "truncated"},
        BadCase{"ShortFormat", Riff({{"fmt ", std::vector<std::uint8_t>(14)}, Data(8)}),
                "too short"},
        BadCase{"ShortExtensibleFormat", Riff({Fmt(0xFFFE, 1, 22050, 16), Data(8)}), "too short"},
        BadCase{"Adpcm", Riff({Fmt(2, 1, 22050, 4, 256), Data(512)}), "compressed"},
        BadCase{"TwentyFourBit", Riff({Fmt(1, 1, 44100, 24), Data(30)}), "24-bit"},
        BadCase{"ExtensibleFormatOneByteShort", Riff({OneByteShortExtensibleFmt(), Data(8)}),
                "too short"},
        BadCase{"NoChannels", Riff({Fmt(1, 0, 22050, 16, 2), Data(8)}), "0 channels"},
        BadCase{"NineChannels", Riff({Fmt(1, 9, 22050, 16), Data(36)}), "9 channels"},
        BadCase{"NoSampleRate", Riff({Fmt(1, 1, 0, 16), Data(8)}), "sample rate"},
        BadCase{"RateBelowTheLowest", Riff({Fmt(1, 1, 999, 16), Data(8)}), "sample rate of 999"},
        BadCase{"RateAboveTheHighest", Riff({Fmt(1, 1, 384001, 16), Data(8)}),
                "sample rate of 384001"},
        BadCase{"WrongBlockAlign", Riff({Fmt(1, 2, 22050, 16, 2), Data(8)}), "block align"},
        BadCase{"EmptySamples", Riff({Fmt(1, 1, 22050, 16), Data(0)}), "no samples"},
        BadCase{"LessThanOneFrame", Riff({Fmt(1, 1, 22050, 16), Data(1)}), "no samples"}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever the length a file was cut to, the samples found lie inside it,
// and a cut inside the RIFF header is told as such, not read past.
TEST(SoundWave, NoCutOfAFileIsReadPastItsEnd) {
  const std::vector<std::uint8_t> whole =
      Riff({{"LIST", {1, 2, 3, 4, 5}}, Fmt(1, 1, 22050, 16), Data(30), {"cue ", {9, 9}}});
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    const std::span<const std::uint8_t> cut(whole.data(), length);
    const WaveHeaderCheck check = ParseWaveHeader(cut);
    if (check.layout) {
      EXPECT_LE(check.layout->dataOffset + check.layout->dataSize, length) << length;
    } else {
      EXPECT_FALSE(check.problem.empty()) << length;
    }
    if (length > 0 && length < 12) {
      EXPECT_THAT(check.problem, HasSubstr("no RIFF/WAVE")) << length;
    }
  }
}

TEST(SoundWave, PlayingTimeFollowsRateAndFrameSize) {
  using std::chrono::microseconds;
  EXPECT_EQ(PlayingTime(kMono16, 44100), microseconds(1'000'000));
  EXPECT_EQ(PlayingTime({SampleEncoding::UnsignedInt, 2, 8000, 8}, 4000), microseconds(250'000));
  EXPECT_EQ(PlayingTime({SampleEncoding::Float, 2, 48000, 32}, 384), microseconds(1000));
  EXPECT_EQ(PlayingTime({}, 1000), microseconds(0));
}

TEST(SoundWave, LoadsTheSamplesOfAFile) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("beep.wav").toStdString();
  const std::vector<std::uint8_t> bytes = MonoWave(50);
  soundtest::WriteFile(path, bytes);

  const WaveClipLoad load = LoadWaveClip(path);
  ASSERT_TRUE(load.clip.has_value()) << load.problem;
  EXPECT_EQ(load.clip->file, path);
  EXPECT_EQ(load.clip->format, kMono16);
  EXPECT_EQ(load.clip->samples, std::vector<std::uint8_t>(bytes.begin() + 44, bytes.end()));
}

// A file of 16 MiB is still read; one byte more is refused unread.
TEST(SoundWave, SixteenMebibytesIsTheLargestFile) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("long.wav").toStdString();
  std::vector<std::uint8_t> bytes = MonoWave((16 * 1024 * 1024 - 44) / 2);
  ASSERT_EQ(bytes.size(), 16777216u);
  soundtest::WriteFile(path, bytes);
  const WaveClipLoad largest = LoadWaveClip(path);
  ASSERT_TRUE(largest.clip.has_value()) << largest.problem;
  EXPECT_EQ(largest.clip->samples.size(), 16777216u - 44);

  bytes.push_back(0);
  soundtest::WriteFile(path, bytes);
  const WaveClipLoad tooLarge = LoadWaveClip(path);
  EXPECT_FALSE(tooLarge.clip.has_value());
  EXPECT_THAT(tooLarge.problem, HasSubstr("too large"));
}

TEST(SoundWave, MissingFileOrFolderIsNoClip) {
  QTemporaryDir dir;
  for (const QString& path : {dir.filePath("missing.wav"), dir.path()}) {
    const WaveClipLoad load = LoadWaveClip(path.toStdString());
    EXPECT_FALSE(load.clip.has_value());
    EXPECT_THAT(load.problem, HasSubstr("cannot be read"));
  }
}

// The seven sounds the game ships: playable, small, and the two that hold
// the game (blocker, game end) shorter than a second.
TEST(SoundWave, TheGameSoundsArePlayableAndShort) {
  std::vector<std::vector<std::uint8_t>> samples;
  for (int n = 1; n <= 7; ++n) {
    const std::string path = BRELIKO_SOUNDS_DIR "/sound" + std::to_string(n) + ".wav";
    const WaveClipLoad load = LoadWaveClip(path);
    ASSERT_TRUE(load.clip.has_value()) << path << ": " << load.problem;
    EXPECT_EQ(load.clip->format.bitsPerSample, 16) << path;
    EXPECT_EQ(load.clip->format.encoding, SampleEncoding::SignedInt) << path;
    EXPECT_LE(load.clip->samples.size(), 64u * 1024u) << path;
    if (n == 5 || n == 7) {
      EXPECT_LT(load.clip->Duration(), std::chrono::seconds(1)) << path;
    }
    samples.push_back(load.clip->samples);
  }
  for (std::size_t a = 0; a < samples.size(); ++a) {
    for (std::size_t b = a + 1; b < samples.size(); ++b) {
      EXPECT_NE(samples[a], samples[b]) << "sound" << a + 1 << " and sound" << b + 1;
    }
  }
}

}  // namespace
}  // namespace breliko::sound
