// Highscore windows: what the name box of the name entry accepts.
#pragma once

#include <QValidator>

namespace breliko::ui {

// The highscore file keeps a name as 20 ISO-8859-3 bytes. The name box takes
// only what fits there, so the list shows exactly what was typed: at most 20
// characters, each one the code page holds (the Esperanto letters among
// them). A key or a paste that would break that is refused as a whole.
class NameBoxValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace breliko::ui
