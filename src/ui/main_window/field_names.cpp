// Main window: what a field says to a screen reader.
#include "ui/main_window/field_names.h"

#include <array>

namespace breliko::ui {

namespace {

// In the order of picF: the seven colours, joker, flames, blocker.
constexpr std::array<const char*, game::kPrototypeCount> kContents = {
    "ruĝa", "oranĝa",  "flava",  "verda",    "cejana",
    "blua", "magenta", "ĵokero", "brulanta", "blokita",
};
constexpr const char* kEmpty = "malplena";

}  // namespace

QString FieldName(int index, game::PictureId picture) {
  const bool known = picture >= 0 && picture < game::kPrototypeCount;
  const char* content = known ? kContents[picture] : kEmpty;
  return FieldPlace(index) + QStringLiteral(": ") + QString::fromUtf8(content);
}

QString ScoreName(int punkte) { return QStringLiteral("poentoj: %1").arg(punkte); }

QString FieldPlace(int index) {
  return QStringLiteral("vico %1, kolumno %2")
      .arg(index / game::kColumns + 1)
      .arg(index % game::kColumns + 1);
}

QString ColourWord(game::PictureId colour) {
  if (colour == game::kJoker) return QStringLiteral("ĵokera");
  const bool known = colour >= 0 && colour < game::kJoker;
  return known ? QString::fromUtf8(kContents[colour]) : QString();
}

}  // namespace breliko::ui
