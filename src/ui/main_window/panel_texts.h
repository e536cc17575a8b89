// Main window: the texts of the rules and information panels.
#pragma once

#include <QString>

namespace breliko::ui {

// The rules shown in txtSpielregeln: 31 lines joined by "\r\n" and closed by
// one. Blank lines open the text and part its eleven paragraphs; each
// paragraph is one long line that the panel wraps.
QString RulesText();

// The information shown centred in txtInformation: 27 lines joined by
// "\r\n", the last one empty. Runs of spaces stand in for empty lines and
// set the spacing between the title, the version and the credits.
QString InformationText();

}  // namespace breliko::ui
