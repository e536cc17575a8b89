// What the game asks of the main window.
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "game/sounds.h"
#include "sound/sound_output.h"
#include "ui/common/centring.h"
#include "ui/common/widget_colours.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/main_window/board_input.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/field_names.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/spoken_news.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui {

using namespace form1;

namespace {

// Qt tells a screen reader of every new name; a field whose content stayed
// the same says nothing.
void Rename(QWidget* widget, const QString& name) {
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

}  // namespace

void Form1::FieldChanged(int index) {
  const game::Field& field = game_.picP(index);
  ui_.picP[index]->SetPicture(field.HasPicture() ? std::optional(PictureOf(field.Picture))
                                                 : std::nullopt);
  ui_.picP[index]->setEnabled(field.Enabled);
  // A screen reader hears of the change through the new name.
  const QString name = FieldName(index, field.Picture);
  Rename(ui_.picP[index], name);
  input_->FieldRenamed(index, name);
}

void Form1::ScoreChanged(int punkte) {
  ui_.lblPunkte->setText(QString::number(punkte));
  Rename(ui_.lblPunkte, ScoreName(punkte));
  story_.Scored(punkte);
}

// --- the story of a turn, for a screen reader --------------------------------
// A drop released while another one's tree lets events run is ignored by
// the game; the story belongs to the first.
void Form1::BeginDropStory() {
  if (dropsRunning_++ == 0) story_.Dropped();
}

void Form1::TellDropStory() {
  if (--dropsRunning_ == 0) news_->Tell(story_.Take());
}

void Form1::TileMoved(int /*from*/, int to) { story_.Moved(to); }

void Form1::ShapeDissolving(game::Shape shape, int first, int last, game::PictureId colour) {
  story_.Dissolving(shape, first, last, colour);
}

void Form1::TilePlaced(int index) { story_.Placed(index, game_.picP(index).Picture); }

void Form1::ColourBurning(game::PictureId colour) { story_.Burning(colour); }

void Form1::BlockerPlaced(int index) { story_.Blocked(index); }

// The end is told at once, before a name window opens and takes the
// reader's attention.
void Form1::GameEnded(int punkte) {
  story_.Ended(punkte);
  news_->Tell(story_.Take());
}

TilePicture Form1::PictureOf(game::PictureId picture) const { return {picture, tileSymbols_}; }

// All fields and prototypes change pictures together, so fields of one
// colour still share one picture.
void Form1::SetTileSymbols(bool on) {
  tileSymbols_ = on;
  for (int i = 0; i < game::kPrototypeCount; ++i) ui_.picF[i]->SetPicture(PictureOf(i));
  for (int i = 0; i < game::kFieldCount; ++i) FieldChanged(i);
}

void Form1::SwitchTileSymbols() {
  SetTileSymbols(!tileSymbols_);
  if (tileSymbolsSwitched_) tileSymbolsSwitched_(tileSymbols_);
}

// The game and the sound output both keep the flags of the Windows call.
static_assert(game::kSoundAsync == sound::kPlayAsync && game::kSoundWait == sound::kPlayAndWait);

// A sound that holds the game (a blocker's, the game end's) keeps the event
// loop from painting until it ends: the window first paints what the drop
// changed, so that the move does not look refused. Only the window's
// pending paint is delivered; clicks and the timer wait for the sound, as
// they always have.
void Form1::PlaySound(const std::string& file, int flags) {
  if ((flags & sound::kPlayAsync) == 0) {
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
  }
  sound_.Play(file, flags);
}

void Form1::cmdGo_Click() {
  ui_.picCanvas->DrawTree(random_, [] { QCoreApplication::processEvents(); });
}

void Form1::RahmenZeichnen() {
  drawing_.DrawFrame();
  update();
}

// A new background colour wipes whatever was drawn on the window.
void Form1::SetWindowColour(game::Rgb colour) {
  drawing_.SetColour(QColor(colour.r, colour.g, colour.b));
  SetPaletteColour(ui_.lblBreliko, QPalette::Window, drawing_.Colour());
  update();
}

// Switching on a running timer leaves its 400 ms running: one tick still
// empties every field marked by then.
void Form1::SetTimerEnabled(bool enabled) {
  if (!enabled) {
    ui_.tmrTimer->stop();
  } else if (!ui_.tmrTimer->isActive()) {
    ui_.tmrTimer->start();
  }
}

void Form1::HidePanels() {
  ui_.txtInformation->hide();
  ui_.txtSpielregeln->hide();
}

// A game started from its button leaves the focus on no button: Qt would
// pass it on to the cancel button below, where the Space meant to pick up a
// tile would end the game just begun.
void Form1::SetStartButtonVisible(bool visible) {
  QPushButton* start = ui_.buttons[kSpielStarten];
  if (!visible && start->hasFocus()) start->clearFocus();
  start->setVisible(visible);
  if (visible) start->setFocus();
}

void Form1::PrepareWindow() {
  SetBaseColour(kStartBaseColour);
  SetPaletteColour(ui_.lblBreliko, QPalette::WindowText, kStartBaseColour);
  ui_.picCanvas->SetBackColor(kStartBaseColour);
  RahmenZeichnen();
  CentreOnScreen(*this);
}

void Form1::SetBaseColour(const QColor& colour) {
  for (FieldBox* field : ui_.picP) field->SetBackColor(colour);
}

void Form1::LoadDialogs() {
  highscore_ = std::make_unique<HighscoreWindows>(
      this, [this] { game_.TonSpielen(game::kSoundHighscore, game::kSoundAsync); }, highscoreFile_);
  connect(highscore_.get(), &HighscoreWindows::HighscoreGrenzeGeaendert, this,
          [this](int grenze) { game_.SetHighscoreGrenze(grenze); });
}

int Form1::ReadHighscoreThreshold() { return highscore_->HighscoreGrenzeLesen(); }

// The end was told just now; a screen reader drops that news for the name
// window taking the focus, so the window itself opens with it.
void Form1::RequestHighscoreEntry(int punkte) { highscore_->NeuerHighscore(punkte, news_->Text()); }

}  // namespace breliko::ui
