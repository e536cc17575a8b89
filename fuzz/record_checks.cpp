#include "record_checks.h"

#include <algorithm>

#include "fuzz_folder.h"

namespace breliko::fuzz {

namespace {

// The seven byte values that ISO-8859-3 assigns no character.
bool UndefinedInLatin3(char byte) {
  constexpr unsigned char kUndefined[] = {0xA5, 0xAE, 0xBE, 0xC3, 0xD0, 0xE3, 0xF0};
  return std::find(std::begin(kUndefined), std::end(kUndefined),
                   static_cast<unsigned char>(byte)) != std::end(kUndefined);
}

}  // namespace

QByteArray EmptyRecordBytes() { return QByteArray(2, '\0') + QByteArray(37, ' '); }

QByteArrayView RecordIn(QByteArrayView file, int number) {
  const qsizetype start = qsizetype(number - 1) * highscore::kRecordBytes;
  if (start >= file.size()) return {};
  return file.sliced(start, std::min(highscore::kRecordBytes, file.size() - start));
}

void CheckReadEntry(const highscore::HighscoreEntry& entry, QByteArrayView present) {
  Require(entry.Person.size() == highscore::kPersonBytes, "a name reads as 20 characters");
  Require(entry.Datum.size() == highscore::kDatumBytes, "a date reads as 17 characters");

  QByteArray expected = present.toByteArray() + EmptyRecordBytes().mid(present.size());
  const int wert = qint16(quint8(expected[0]) | (quint8(expected[1]) << 8));
  Require(entry.Wert == wert, "the score is the first two bytes, little-endian");

  std::replace_if(expected.begin() + highscore::kWertBytes, expected.end(), UndefinedInLatin3, '?');
  Require(highscore::ToRecord(entry) == expected, "an entry read and stored again keeps its bytes");
}

}  // namespace breliko::fuzz
