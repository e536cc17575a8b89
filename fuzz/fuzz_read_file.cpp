// Any bytes as the highscore file: every way the game reads it must cope, and
// what it reads must be what the bytes say.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_folder.h"
#include "highscore/highscore_file.h"
#include "record_checks.h"

using namespace breliko;
using highscore::kListLength;
using highscore::kRecordBytes;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::MakeFuzzFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  fuzz::PutFile(bytes);
  const highscore::HighscoreFile file(fuzz::HighscorePath());

  const highscore::HighscoreList list = file.ReadList();
  for (int number = 1; number <= kListLength; ++number) {
    fuzz::CheckReadEntry(list[number - 1], fuzz::RecordIn(bytes, number));
  }

  // Every record the file holds, a short last one included, and one beyond.
  const int records = int((bytes.size() + kRecordBytes - 1) / kRecordBytes);
  for (int number = 1; number <= std::max(records + 1, kListLength); ++number) {
    const highscore::HighscoreEntry entry = file.ReadRecord(number);
    fuzz::CheckReadEntry(entry, fuzz::RecordIn(bytes, number));
    if (number <= kListLength) {
      fuzz::Require(entry == list[number - 1], "a record reads the same alone and in the list");
    }
  }

  fuzz::Require(file.ReadHighscoreGrenze() == list[highscore::kGrenzeRecord - 1].Wert,
                "the threshold is the score of the tenth place");
  fuzz::Require(fuzz::FileBytes() == bytes, "reading leaves the file as it was");
  return 0;
}
