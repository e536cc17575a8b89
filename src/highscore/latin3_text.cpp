#include "highscore/latin3_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace breliko::highscore {

namespace {

constexpr const char* kCodePage = "ISO-8859-3";

// The length in UTF-16 units of the character that starts at `index`.
qsizetype CharacterLength(const QString& text, qsizetype index) {
  const bool pair =
      text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate();
  return pair ? 2 : 1;
}

}  // namespace

bool IsLatin3(const QString& text) {
  QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
  const QByteArray bytes = encoder.encode(text.normalized(QString::NormalizationForm_C));
  return !encoder.hasError();
}

QByteArray ToLatin3(const QString& text) {
  // A keyboard may send "ĉ" as "c" plus a combining circumflex; composed, it
  // is the one letter the code page has.
  const QString composed = text.normalized(QString::NormalizationForm_C);

  // Stateless: otherwise a lone high surrogate at the end is held back for a
  // second half that never comes, and drops out without an error.
  QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
  QByteArray bytes = encoder.encode(composed);
  if (!encoder.hasError()) return bytes;

  // The converter's own stand-in for a missing character is not ours, so go
  // character by character and put "?" exactly where one has no byte.
  bytes.clear();
  for (qsizetype i = 0; i < composed.size();) {
    const qsizetype length = CharacterLength(composed, i);
    QStringEncoder single(kCodePage);
    const QByteArray byte = single.encode(QStringView(composed).sliced(i, length));
    bytes += (single.hasError() || byte.size() != 1) ? QByteArray("?") : byte;
    i += length;
  }
  return bytes;
}

QByteArray ToLatin3Field(const QString& text, qsizetype width) {
  QByteArray field = ToLatin3(text).left(width);
  field.append(width - field.size(), ' ');
  return field;
}

QString FromLatin3(QByteArrayView bytes) {
  QStringDecoder decoder(kCodePage);
  return decoder.decode(bytes);
}

}  // namespace breliko::highscore
