#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace breliko::highscore {

// Every text of the game is single-byte ISO-8859-3, the code page that holds
// the Esperanto letters. The conversion goes through Qt's converter, so the
// code table is the platform's, not ours.

// A character the code page cannot hold becomes "?", one "?" per character,
// so a name never turns into bytes that read back as something else.
QByteArray ToLatin3(const QString& text);

// Whether every character of the text, composed, has a byte of its own in
// the code page, so that it reads back exactly as it was written.
bool IsLatin3(const QString& text);

// The text cut or padded with spaces to exactly `width` bytes, as a fixed
// field of a record holds it.
QByteArray ToLatin3Field(const QString& text, qsizetype width);

// One character per byte; bytes the code page leaves undefined come back as
// U+FFFD, so a damaged file still shows something.
QString FromLatin3(QByteArrayView bytes);

}  // namespace breliko::highscore
