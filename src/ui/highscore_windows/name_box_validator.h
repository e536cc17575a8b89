// Highscore windows: what the name box of the name entry accepts.
#pragma once

#include <QValidator>

namespace breliko::ui {

// The highscore file keeps a name in ISO-8859-3, one byte a character, the
// Esperanto letters among them. The name box keeps what the file can store,
// as the file will store it: a typed character the code page cannot hold is
// refused, a paste keeps the characters it can hold and leaves out the
// others. A name of any length is taken; the list keeps its first 20
// characters.
class NameBoxValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace breliko::ui
