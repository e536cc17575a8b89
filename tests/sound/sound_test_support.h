#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace breliko::sound::soundtest {

// Ends the test program with a message if the scope it guards has not been
// left within a generous limit. It measures nothing: it only turns a call
// that hangs into a failure instead of a stalled test run.
class Watchdog {
 public:
  explicit Watchdog(std::string what, std::chrono::seconds limit = std::chrono::seconds(10))
      : thread_([this, what = std::move(what), limit] {
          std::unique_lock lock(mutex_);
          if (!left_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "%s did not return: it hangs\n", what.c_str());
            std::abort();
          }
        }) {}

  ~Watchdog() {
    {
      const std::lock_guard lock(mutex_);
      done_ = true;
    }
    left_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable left_;
  bool done_ = false;
  std::thread thread_;
};

// Little-endian pieces of a RIFF file.
inline void PutU16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

inline void PutTag(std::vector<std::uint8_t>& out, const std::string& tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

struct Chunk {
  std::string tag;
  std::vector<std::uint8_t> body;
  // The size the chunk header claims; the body's own size when negative.
  std::int64_t claimedSize = -1;
};

inline std::vector<std::uint8_t> Riff(const std::vector<Chunk>& chunks,
                                      const std::string& form = "WAVE") {
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  PutU32(out, 0);  // patched below
  PutTag(out, form);
  for (const Chunk& chunk : chunks) {
    PutTag(out, chunk.tag);
    PutU32(out, static_cast<std::uint32_t>(chunk.claimedSize < 0 ? chunk.body.size()
                                                                 : chunk.claimedSize));
    out.insert(out.end(), chunk.body.begin(), chunk.body.end());
    if (chunk.body.size() % 2 != 0) out.push_back(0);
  }
  const auto riffSize = static_cast<std::uint32_t>(out.size() - 8);
  for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
  return out;
}

// A plain format chunk; the block align is worked out unless given.
inline Chunk Fmt(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits,
                 int blockAlign = -1) {
  const unsigned align = blockAlign < 0 ? channels * bits / 8 : static_cast<unsigned>(blockAlign);
  std::vector<std::uint8_t> body;
  PutU16(body, tag);
  PutU16(body, channels);
  PutU32(body, rate);
  PutU32(body, rate * align);
  PutU16(body, align);
  PutU16(body, bits);
  return {"fmt ", body};
}

inline Chunk Data(std::size_t bytes, std::int64_t claimedSize = -1) {
  std::vector<std::uint8_t> body(bytes);
  for (std::size_t i = 0; i < bytes; ++i) body[i] = static_cast<std::uint8_t>(i * 7);
  return {"data", body, claimedSize};
}

// A mono 16-bit wave file of `frames` samples at 22050 Hz.
inline std::vector<std::uint8_t> MonoWave(std::size_t frames) {
  return Riff({Fmt(1, 1, 22050, 16), Data(frames * 2)});
}

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace breliko::sound::soundtest
