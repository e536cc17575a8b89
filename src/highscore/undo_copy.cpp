#include "highscore/undo_copy.h"

#include <QCryptographicHash>
#include <QtEndian>

#include "highscore/highscore_list.h"
#include "highscore/list_links.h"

namespace breliko::highscore {

namespace {

constexpr QByteArrayView kMark = "BRLKUNDO";
constexpr qsizetype kLengthBytes = 8;
constexpr qsizetype kHeadBytes = kMark.size() + kLengthBytes;
constexpr qsizetype kHashBytes = 32;

QByteArray Hash(QByteArrayView bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

}  // namespace

QByteArray UndoCopyBytes(const UndoCopy& undo) {
  QByteArray bytes = kMark.toByteArray();
  bytes.resize(kHeadBytes);
  qToLittleEndian<qint64>(undo.oldLength, bytes.data() + kMark.size());
  bytes += undo.oldRecords + undo.newRecords;
  return bytes + Hash(bytes);
}

std::optional<UndoCopy> ParseUndoCopy(QByteArrayView bytes) {
  if (bytes.size() < kHeadBytes + kListBytes + kHashBytes || !bytes.startsWith(kMark)) {
    return std::nullopt;
  }
  const QByteArrayView body = bytes.chopped(kHashBytes);
  if (Hash(body) != bytes.last(kHashBytes)) return std::nullopt;
  UndoCopy undo;
  undo.oldLength = qFromLittleEndian<qint64>(body.data() + kMark.size());
  const qsizetype oldBytes = body.size() - kHeadBytes - kListBytes;
  if (oldBytes != qMin(undo.oldLength, kListBytes)) return std::nullopt;
  undo.oldRecords = body.sliced(kHeadBytes, oldBytes).toByteArray();
  undo.newRecords = body.last(kListBytes).toByteArray();
  return undo;
}

qint64 UndoCopyMostBytes() { return kHeadBytes + 2 * kListBytes + kHashBytes; }

bool BelongsTo(const UndoCopy& undo, QByteArrayView start, qint64 length) {
  // A write cut short while the file grew leaves any length in between.
  if (length < undo.oldLength || length > qMax(undo.oldLength, kListBytes)) return false;
  for (qsizetype i = 0; i < start.size(); ++i) {
    // Where the save lengthened the file, the old bytes are the zeros a
    // lengthened file reads as before its data reach the disk.
    const char old = i < undo.oldRecords.size() ? undo.oldRecords[i] : '\0';
    if (start[i] != old && start[i] != undo.newRecords[i]) return false;
  }
  return true;
}

QString UndoCopyPath(const QString& listPath) {
  return ListTarget(listPath) + QStringLiteral(".undo");
}

}  // namespace breliko::highscore
