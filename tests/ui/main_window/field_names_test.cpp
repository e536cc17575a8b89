// What the fields and the score say to a screen reader.
#include "ui/main_window/field_names.h"

#include <gtest/gtest.h>

namespace breliko::ui {
namespace {

TEST(FieldNames, EachFieldSaysItsRowColumnAndContent) {
  const struct {
    int index;
    game::PictureId picture;
    const char* name;
  } cases[] = {
      {0, game::kNoPicture, "vico 1, kolumno 1: malplena"},
      {22, game::kRed, "vico 3, kolumno 5: ruĝa"},
      {8, game::kOrange, "vico 1, kolumno 9: oranĝa"},
      {9, game::kYellow, "vico 2, kolumno 1: flava"},
      {40, game::kGreen, "vico 5, kolumno 5: verda"},
      {41, game::kCyan, "vico 5, kolumno 6: cejana"},
      {50, game::kBlue, "vico 6, kolumno 6: blua"},
      {60, game::kMagenta, "vico 7, kolumno 7: magenta"},
      {70, game::kJoker, "vico 8, kolumno 8: ĵokero"},
      {72, game::kFlames, "vico 9, kolumno 1: brulanta"},
      {80, game::kBlocker, "vico 9, kolumno 9: blokita"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FieldName(c.index, c.picture).toStdString(), c.name);
  }
}

TEST(FieldNames, TheScoreSaysItsPoints) {
  EXPECT_EQ(ScoreName(0), "poentoj: 0");
  EXPECT_EQ(ScoreName(1234), "poentoj: 1234");
}

}  // namespace
}  // namespace breliko::ui
