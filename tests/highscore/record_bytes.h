#pragma once

// Builds highscore records byte by byte, independently of the code under
// test, so that the tests say what the file holds in plain terms.

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

namespace breliko::testing {

// Score little-endian, then name and date as Latin-1 bytes padded with blanks.
inline QByteArray Record(int wert, QByteArray person = {}, QByteArray datum = {}) {
  QByteArray record;
  record += char(wert & 0xff);
  record += char((wert >> 8) & 0xff);
  record += person.leftJustified(20, ' ', true);
  record += datum.leftJustified(17, ' ', true);
  return record;
}

inline QByteArray EmptyRecords(int count) { return Record(0).repeated(count); }

// Ten places from 1000 down to 100, and an eleventh of 50.
inline QByteArray FullList(const QByteArray& datum = "01.02.24 10:00:00") {
  QByteArray bytes;
  for (int place = 1; place <= 10; ++place)
    bytes += Record(1100 - 100 * place, "Player " + QByteArray::number(place), datum);
  return bytes + Record(50, "Eleventh", datum);
}

inline QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

// The file, made empty where it is missing, as last changed that long ago.
inline bool Backdate(const QString& path, int seconds) {
  QFile file(path);
  return file.open(QIODevice::ReadWrite) &&
         file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                          QFileDevice::FileModificationTime);
}

}  // namespace breliko::testing
