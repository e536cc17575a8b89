// A new entry and then the reset on any highscore file, with any name: after
// each save the file must hold eleven sound records in front and keep
// whatever followed them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <tuple>

#include "entry_input.h"
#include "fuzz_folder.h"
#include "highscore/highscore_changes.h"
#include "record_checks.h"

using namespace breliko;
using highscore::HighscoreEntry;
using highscore::HighscoreList;
using highscore::kListLength;
using highscore::kRecordBytes;

namespace {

constexpr qsizetype kListBytes = kListLength * kRecordBytes;

void CheckSaved(const highscore::WriteResult& result) {
  fuzz::Require(result.ok, "a save into a writable folder succeeds");
  QStringList entries = fuzz::FolderEntries();
  entries.removeOne(QStringLiteral("P1.dat.undo.set-aside"));
  fuzz::Require(entries == QStringList{QStringLiteral("P1.dat")},
                "a save leaves no temporary file behind, and sets a stray undo copy aside");
}

void CheckLaterRecordsKept(const QByteArray& before, const QByteArray& after) {
  fuzz::Require(after.size() == std::max(kListBytes, before.size()),
                "a save makes the file 429 bytes long, or keeps a longer length");
  fuzz::Require(after.mid(kListBytes) == before.mid(kListBytes),
                "records from 12 on survive byte for byte");
}

// Records 1 to 11 as saved: each one read and stored again gives its bytes.
HighscoreList ReadElevenRecords(const QByteArray& after) {
  HighscoreList list;
  for (int i = 0; i < kListLength; ++i) {
    const QByteArray record = after.mid(i * kRecordBytes, kRecordBytes);
    list[i] = highscore::FromRecord(record);
    fuzz::Require(highscore::ToRecord(list[i]) == record, "a saved record is well formed");
  }
  return list;
}

bool Ordered(const HighscoreEntry& a, const HighscoreEntry& b) {
  return std::tie(a.Wert, a.Person, a.Datum) < std::tie(b.Wert, b.Person, b.Datum);
}

// The places before the entry: the top ten of the old file; the eleventh
// drops out.
HighscoreList ExpectedAfterEntry(const QByteArray& before, const HighscoreEntry& neu) {
  HighscoreList list;
  for (int i = 0; i < kListLength - 1; ++i) {
    list[i] = highscore::AsStored(highscore::FromRecord(fuzz::RecordIn(before, i + 1)));
  }
  list[kListLength - 1] = highscore::AsStored(neu);
  return list;
}

bool IsEsperantoLetter(char32_t c) {
  constexpr char32_t kLetters[] = {0x108, 0x109, 0x11C, 0x11D, 0x124, 0x125,
                                   0x134, 0x135, 0x15C, 0x15D, 0x16C, 0x16D};
  return std::find(std::begin(kLetters), std::end(kLetters), c) != std::end(kLetters);
}

// A stored text holds the typed characters (composed) in order, each as
// itself or as "?", cut to the width and padded with blanks. Plain ASCII and
// the Esperanto letters always come through.
void CheckStoredText(const QString& typed, const QString& stored) {
  const QList<uint> characters = typed.normalized(QString::NormalizationForm_C).toUcs4();
  for (qsizetype i = 0; i < stored.size(); ++i) {
    if (i >= characters.size()) {
      fuzz::Require(stored[i] == u' ', "a short text is padded with blanks");
      continue;
    }
    const char32_t typedCharacter = characters[i];
    const bool kept = stored[i].unicode() == typedCharacter;
    fuzz::Require(kept || stored[i] == u'?', "each character is stored as itself or as \"?\"");
    const bool mustKeep =
        (typedCharacter >= 0x20 && typedCharacter < 0x7F) || IsEsperantoLetter(typedCharacter);
    fuzz::Require(kept || !mustKeep, "ASCII and the Esperanto letters are stored as they are");
  }
}

void CheckEntry(const highscore::HighscoreFile& file, const QByteArray& before,
                const HighscoreEntry& neu) {
  const highscore::EntryOutcome outcome = highscore::AddEntry(file, neu);
  CheckSaved(outcome.saved);
  const QByteArray after = fuzz::FileBytes();
  CheckLaterRecordsKept(before, after);

  const HighscoreList saved = ReadElevenRecords(after);
  fuzz::Require(saved == outcome.list, "the list shown is the list saved");
  for (int i = 1; i < kListLength; ++i) {
    fuzz::Require(saved[i - 1].Wert >= saved[i].Wert, "the scores go down the list");
  }
  HighscoreList sorted = saved;
  HighscoreList expected = ExpectedAfterEntry(before, neu);
  std::sort(sorted.begin(), sorted.end(), Ordered);
  std::sort(expected.begin(), expected.end(), Ordered);
  fuzz::Require(sorted == expected, "the list is the old top ten and the new entry");

  const HighscoreEntry stored = highscore::AsStored(neu);
  CheckStoredText(neu.Person, stored.Person);
  CheckStoredText(neu.Datum, stored.Datum);

  CheckSaved(file.WriteList(file.ReadList()));
  fuzz::Require(fuzz::FileBytes() == after, "the list read back and saved again is the same file");
}

void CheckReset(const highscore::HighscoreFile& file, const QByteArray& before) {
  CheckSaved(highscore::ResetList(file));
  const QByteArray after = fuzz::FileBytes();
  CheckLaterRecordsKept(before, after);
  fuzz::Require(after.left(kListBytes) == fuzz::EmptyRecordBytes().repeated(kListLength),
                "a reset leaves eleven empty records");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::MakeFuzzFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::EntryInput input = fuzz::ReadEntryInput(data, size);
  const QByteArray before = input.noFile ? QByteArray() : input.file;
  if (input.noFile) {
    fuzz::RemoveFile();
  } else {
    fuzz::PutFile(before);
  }
  // Never a list of its own: whatever it holds, the list stays as it was.
  if (input.strayUndoCopy) fuzz::PutBeside(QStringLiteral(".undo"), input.file);

  const highscore::HighscoreFile file(fuzz::HighscorePath());

  CheckEntry(file, before, input.entry);
  CheckReset(file, before);
  return 0;
}
