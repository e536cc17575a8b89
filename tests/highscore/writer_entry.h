#pragma once

#include <QByteArray>
#include <QString>

#include "highscore/highscore_entry.h"
#include "record_bytes.h"

namespace breliko::testing {

// The entry the writer of the kill and fault tests takes in, with a fixed
// date so that the test knows the bytes it must find afterwards.
inline highscore::HighscoreEntry WriterEntry() {
  return {555, QStringLiteral("Ŝanĝo"), QStringLiteral("07.12.24 22:15:00")};
}

// The writer's entry as its record: "Ŝanĝo" in ISO-8859-3.
inline QByteArray WriterRecord() {
  return Record(555, QByteArray::fromHex("de616ef86f"), "07.12.24 22:15:00");
}

inline QByteArray Place(int place) {
  return Record(1100 - 100 * place, "Player " + QByteArray::number(place), "01.02.24 10:00:00");
}

// Records from 12 on, with bytes no save of the game would write and a
// short last record: they must come through every save untouched.
inline QByteArray LaterRecords() {
  return Record(4242, "Twelfth") + Record(-3, QByteArray::fromHex("00ffa50ae6"), "\t\r\n") +
         Record(1, "cut short").left(25);
}

// Places 1 to 10 from 1000 down to 100 and an eleventh of 50.
inline QByteArray OldContent() {
  QByteArray bytes;
  for (int place = 1; place <= 10; ++place) bytes += Place(place);
  return bytes + Record(50, "Eleventh", "01.02.24 10:00:00") + LaterRecords();
}

// The writer's 555 lands after the fifth place; the 50 drops out.
inline QByteArray NewContent() {
  QByteArray bytes;
  for (int place = 1; place <= 5; ++place) bytes += Place(place);
  bytes += WriterRecord();
  for (int place = 6; place <= 10; ++place) bytes += Place(place);
  return bytes + LaterRecords();
}

}  // namespace breliko::testing
