// Main window: what a turn brought, told in a few short Esperanto sentences.
#include "ui/main_window/turn_story.h"

#include "ui/main_window/field_names.h"

namespace breliko::ui {

namespace {

// Sentences are kept without their full stop, so that a shape's points can
// still be added to its sentence.
QString Capitalised(QString sentence) {
  if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
  return sentence;
}

}  // namespace

void TurnStory::Started() { Add(QStringLiteral("Nova ludo komenciĝis")); }

// A drop that moves nothing still costs a turn; Moved tells otherwise.
void TurnStory::Dropped() {
  Add(QStringLiteral("La kampo restis"));
  stayedAt_ = int(sentences_.size()) - 1;
}

void TurnStory::Cancelled() { Add(QStringLiteral("Partio ĉesigita")); }

void TurnStory::Moved(int to) {
  const QString moved = QStringLiteral("La kampo iris al ") + FieldPlace(to);
  if (stayedAt_ >= 0) {
    sentences_[stayedAt_] = moved;
  } else {
    Add(moved);
  }
  stayedAt_ = -1;
}

void TurnStory::Dissolving(game::Shape shape, int first, int last, game::PictureId colour) {
  const QString noun =
      shape == game::Shape::kStripe ? QStringLiteral("strio") : QStringLiteral("kvadrato");
  Add(Capitalised(ColourWord(colour) + u' ' + noun + QStringLiteral(" solviĝis de ") +
                  FieldPlace(first) + QStringLiteral(" ĝis ") + FieldPlace(last)));
  shapeAt_ = int(sentences_.size()) - 1;
}

// Only points a shape brought make the new score worth telling; a cancel
// setting it back to 0 says so itself.
void TurnStory::Scored(int punkte) {
  if (shapeAt_ >= 0) {
    sentences_[shapeAt_] += QStringLiteral(": %1 poentoj").arg(punkte - score_);
    shapeAt_ = -1;
    scoreChanged_ = true;
  }
  score_ = punkte;
}

// The new tiles of one placement are told together, where the first came.
void TurnStory::Placed(int index, game::PictureId picture) {
  newTiles_.append(FieldName(index, picture));
}

void TurnStory::Burning(game::PictureId colour) {
  Add(QStringLiteral("Ĉiu ") + ColourWord(colour) + QStringLiteral(" kampo brulas"));
}

void TurnStory::Blocked(int index) {
  Add(QStringLiteral("Nova blokita kampo: ") + FieldPlace(index));
}

void TurnStory::Ended(int punkte) {
  Add(QStringLiteral("La ludo finiĝis, ĉiuj kampoj estas okupitaj"));
  score_ = punkte;
  scoreChanged_ = true;
}

QString TurnStory::Take() {
  CloseNewTiles();
  if (scoreChanged_) sentences_.append(Capitalised(ScoreName(score_)));
  QString story;
  for (const QString& sentence : sentences_) {
    story += (story.isEmpty() ? QString() : QStringLiteral(" ")) + sentence + u'.';
  }
  sentences_.clear();
  stayedAt_ = -1;
  shapeAt_ = -1;
  scoreChanged_ = false;
  return story;
}

void TurnStory::Add(const QString& sentence) {
  CloseNewTiles();
  sentences_.append(sentence);
}

void TurnStory::CloseNewTiles() {
  if (newTiles_.isEmpty()) return;
  sentences_.append(QStringLiteral("Novaj kampoj: ") + newTiles_.join(QStringLiteral("; ")));
  newTiles_.clear();
}

}  // namespace breliko::ui
