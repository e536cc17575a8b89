#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace breliko::highscore {

// Every text of the game is single-byte ISO-8859-3, the code page that holds
// the Esperanto letters. The conversion goes through Qt's converter, so the
// code table is the platform's, not ours.

// The one way a text becomes the file's bytes: composed first (a keyboard
// may send "ĉ" as "c" and a combining circumflex, which is one letter with
// one byte), then one byte per character. A character the code page cannot
// hold becomes `standIn`, one per character, so a name never turns into
// bytes that read back as something else; without a stand-in it is left out.
QByteArray ToLatin3(const QString& text, std::optional<char> standIn = '?');

// The text cut or padded with spaces to exactly `width` bytes, as a fixed
// field of a record holds it.
QByteArray ToLatin3Field(const QString& text, qsizetype width);

// One character per byte; bytes the code page leaves undefined come back as
// U+FFFD, so a damaged file still shows something.
QString FromLatin3(QByteArrayView bytes);

}  // namespace breliko::highscore
