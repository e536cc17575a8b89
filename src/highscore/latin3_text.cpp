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

QByteArray ToLatin3(const QString& text, std::optional<char> standIn) {
  const QString composed = text.normalized(QString::NormalizationForm_C);

  // Stateless: otherwise a lone high surrogate at the end is held back for a
  // second half that never comes, and drops out without an error.
  QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
  QByteArray bytes = encoder.encode(composed);
  if (!encoder.hasError()) return bytes;

  // The converter's own stand-in for a missing character is not ours, so go
  // character by character and deal with exactly those that have no byte.
  bytes.clear();
  for (qsizetype i = 0; i < composed.size();) {
    const qsizetype length = CharacterLength(composed, i);
    QStringEncoder single(kCodePage);
    const QByteArray byte = single.encode(QStringView(composed).sliced(i, length));
    if (!single.hasError() && byte.size() == 1) {
      bytes += byte;
    } else if (standIn) {
      bytes += *standIn;
    }
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
