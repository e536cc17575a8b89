#include "highscore/highscore_entry.h"

#include <QtEndian>

#include "highscore/latin3_text.h"

namespace breliko::highscore {

QByteArray ToRecord(const HighscoreEntry& entry) {
  QByteArray record(kWertBytes, '\0');
  qToLittleEndian<qint16>(entry.Wert, record.data());
  record += ToLatin3Field(entry.Person, kPersonBytes);
  record += ToLatin3Field(entry.Datum, kDatumBytes);
  return record;
}

HighscoreEntry FromRecord(QByteArrayView record) {
  QByteArray full = ToRecord(HighscoreEntry{});
  const qsizetype present = qMin(record.size(), kRecordBytes);
  full.replace(0, present, record.first(present).toByteArray());

  HighscoreEntry entry;
  entry.Wert = qFromLittleEndian<qint16>(full.constData());
  entry.Person = FromLatin3(QByteArrayView(full).sliced(kWertBytes, kPersonBytes));
  entry.Datum = FromLatin3(QByteArrayView(full).sliced(kWertBytes + kPersonBytes, kDatumBytes));
  return entry;
}

HighscoreEntry AsStored(const HighscoreEntry& entry) { return FromRecord(ToRecord(entry)); }

}  // namespace breliko::highscore
