#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

namespace breliko::highscore {

// A record of the highscore file: the score as a 16-bit little-endian
// number, then the name and the date as fixed-width ISO-8859-3 text.
inline constexpr qsizetype kWertBytes = 2;
inline constexpr qsizetype kPersonBytes = 20;
inline constexpr qsizetype kDatumBytes = 17;
inline constexpr qsizetype kRecordBytes = kWertBytes + kPersonBytes + kDatumBytes;

// One position of the list. A default entry is the empty one: score 0 and
// blank texts at their full widths.
struct HighscoreEntry {
  qint16 Wert = 0;
  QString Person = QString(kPersonBytes, u' ');
  QString Datum = QString(kDatumBytes, u' ');

  friend bool operator==(const HighscoreEntry&, const HighscoreEntry&) = default;
};

QByteArray ToRecord(const HighscoreEntry& entry);

// A record cut short by the end of the file keeps the bytes that are there;
// the rest reads as an empty entry would.
HighscoreEntry FromRecord(QByteArrayView record);

// The entry as it reads back once stored: texts cut or padded to their widths,
// characters the code page lacks replaced by "?".
HighscoreEntry AsStored(const HighscoreEntry& entry);

}  // namespace breliko::highscore
