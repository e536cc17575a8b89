#pragma once

#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "highscore/highscore_entry.h"

namespace breliko::fuzz {

// One input of the entry fuzzer, read from the front (make_seeds.py writes
// the seeds the same way):
//   byte 0      bit 0: there is no highscore file at all;
//               bit 1: a stray file lies under the undo copy's name,
//                      holding the same bytes as the highscore file
//   bytes 1-2   the score, 16 bits little-endian
//   then        the name, a count byte and that many UTF-16 units
//               (little-endian), so any text, broken surrogates included
//   then        the date text, the same way
//   the rest    the bytes of the highscore file
// An input that ends early leaves the rest empty.
struct EntryInput {
  bool noFile = false;
  bool strayUndoCopy = false;
  highscore::HighscoreEntry entry;  // as typed, not yet cut to the record's widths
  QByteArray file;
};

EntryInput ReadEntryInput(const std::uint8_t* data, std::size_t size);

}  // namespace breliko::fuzz
