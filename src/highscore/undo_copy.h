#pragma once

#include <optional>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

namespace breliko::highscore {

// What a save keeps beside the list while it writes, "P1.dat.undo": the old
// records and the new ones, so that a put-back can tell its own save from any
// other file that carries the name. Its bytes:
//   8 bytes   the mark "BRLKUNDO"
//   8 bytes   the old length of the list, little-endian
//   then      the old records, as many as the file had of the first 429 bytes
//   then      the new records, 429 bytes
//   32 bytes  SHA-256 of all that goes before
struct UndoCopy {
  qint64 oldLength = 0;
  QByteArray oldRecords;
  QByteArray newRecords;
};

QByteArray UndoCopyBytes(const UndoCopy& undo);

// Nothing for bytes that are not a whole undo copy.
std::optional<UndoCopy> ParseUndoCopy(QByteArrayView bytes);

// The most bytes an undo copy can have.
qint64 UndoCopyMostBytes();

// Whether the list, of `length` bytes that begin with `start`, is what that
// save left: the old length, the one the save gave it or one in between, and
// each of the first bytes the old one or the new one (a write cut short by a
// power cut leaves a mix). A file that was changed since, or that the copy came from
// another list, is not.
bool BelongsTo(const UndoCopy& undo, QByteArrayView start, qint64 length);

QString UndoCopyPath(const QString& listPath);

}  // namespace breliko::highscore
