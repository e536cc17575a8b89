// Highscore windows: what the name box of the name entry accepts.
#include "ui/highscore_windows/name_box_validator.h"

#include <algorithm>

#include "highscore/highscore_entry.h"
#include "highscore/latin3_text.h"

namespace breliko::ui {

QValidator::State NameBoxValidator::validate(QString& input, int& position) const {
  // A keyboard may send "ĉ" as "c" and a combining circumflex: composed, it
  // is one letter, with one byte in the file.
  const QString composed = input.normalized(QString::NormalizationForm_C);
  if (composed.size() > highscore::kPersonBytes || !highscore::IsLatin3(composed)) return Invalid;
  position = std::clamp(position - int(input.size() - composed.size()), 0, int(composed.size()));
  input = composed;
  return Acceptable;
}

}  // namespace breliko::ui
