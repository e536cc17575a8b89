#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace breliko::highscore {

// The moment of an entry in the system's general date-and-time form: short
// date, one space, long time. The record keeps its first 17 characters, which
// a German system fills exactly ("05.03.24 14:02:07").
QString DatumText(const QDateTime& moment = QDateTime::currentDateTime(),
                  const QLocale& locale = QLocale::system());

}  // namespace breliko::highscore
