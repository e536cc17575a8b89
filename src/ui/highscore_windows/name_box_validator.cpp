// Highscore windows: what the name box of the name entry accepts.
#include "ui/highscore_windows/name_box_validator.h"

#include <algorithm>

#include "highscore/latin3_text.h"

namespace breliko::ui {

QValidator::State NameBoxValidator::validate(QString& input, int& position) const {
  const QString kept = highscore::FromLatin3(highscore::ToLatin3(input, std::nullopt));
  position = std::clamp(position - int(input.size() - kept.size()), 0, int(kept.size()));
  input = kept;
  return Acceptable;
}

}  // namespace breliko::ui
