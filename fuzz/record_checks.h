#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "highscore/highscore_entry.h"

namespace breliko::fuzz {

// What a record of the highscore file must read as, worked out from the
// bytes alone rather than by the code under test.

// Score 0 and blanks: what an empty place and the missing end of a record
// read as.
QByteArray EmptyRecordBytes();

// The bytes of record `number` (from 1) as they stand in `file`: 39, fewer
// for a record cut short by the end, none beyond it.
QByteArrayView RecordIn(QByteArrayView file, int number);

// Checks an entry read from `present`, the bytes of its record that the file
// holds: texts at their fixed widths, the score from the first two bytes,
// and stored again it gives back the same 39 bytes, except that the bytes
// ISO-8859-3 leaves undefined come back as "?".
void CheckReadEntry(const highscore::HighscoreEntry& entry, QByteArrayView present);

}  // namespace breliko::fuzz
