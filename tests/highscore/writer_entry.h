#pragma once

#include <QString>

#include "highscore/highscore_entry.h"

namespace breliko::testing {

// The entry the writer of the kill test takes in, with a fixed date so that
// the test knows the bytes it must find afterwards.
inline highscore::HighscoreEntry WriterEntry() {
  return {555, QStringLiteral("Ŝanĝo"), QStringLiteral("07.12.24 22:15:00")};
}

}  // namespace breliko::testing
