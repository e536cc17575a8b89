#include "highscore/datum_text.h"

namespace breliko::highscore {

QString DatumText(const QDateTime& moment, const QLocale& locale) {
  const QString form =
      locale.dateFormat(QLocale::ShortFormat) + u' ' + locale.timeFormat(QLocale::LongFormat);
  return locale.toString(moment, form);
}

}  // namespace breliko::highscore
