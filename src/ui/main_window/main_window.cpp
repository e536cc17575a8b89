// Main window: Form1, the board, the score, the tree and the command buttons.
#include "ui/main_window/main_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>

#include "ui/common/device_pixels.h"
#include "ui/common/window_focus.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/main_window/board_accessibility.h"
#include "ui/main_window/board_input.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/spoken_news.h"
#include "ui/main_window/tree_canvas.h"
#include "ui/main_window/window_frame.h"

namespace breliko::ui {

using namespace form1;

namespace {

// The key that switches the symbols on the colour tiles. No window of the
// game uses a function key; every free letter is kept for access keys.
constexpr Qt::Key kTileSymbolsKey = Qt::Key_F2;

// What each command button does, in the order of form1::Button.
constexpr std::array<void (Form1::*)(), kButtonCount> kButtonClicks = {
    &Form1::cmdSpielStarten_Click,
    &Form1::cmdSpielAbbrechen_Click,
    &Form1::cmdTonEinschaltenAusschalten_Click,
    &Form1::cmdFelderGrundfarbe_Click,
    &Form1::cmdSpielregeln_Click,
    &Form1::cmdInformation_Click,
    &Form1::cmdHighscoreAnzeigen_Click,
    &Form1::cmdHighscoreErneuern_Click,
    &Form1::cmdProgrammBeenden_Click,
};

}  // namespace

Form1::Form1(sound::SoundOutput& sound, game::RandomSource& random,
             highscore::HighscoreFile highscoreFile)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      sound_(sound),
      random_(random),
      highscoreFile_(std::move(highscoreFile)),
      game_(*this, random) {
  // Before anything gets a name, which makes Qt ask for its interface.
  BoardAccessibility::Install();
  SpokenNews::Install();
  news_ = new SpokenNews(this);
  boardAccessibility_ = new BoardAccessibility(
      ui_.picP, [this] { return input_ != nullptr ? input_->FocusedField() : -1; }, this);
  setObjectName("Form1");
  setWindowTitle(QString());
  // The window has no caption; a screen reader names it all the same.
  setAccessibleName(QStringLiteral("BRELIKO"));
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);

  ui_.SetUp(*this);
  for (int b = 0; b < kButtonCount; ++b) {
    connect(ui_.buttons[b], &QPushButton::clicked, this, kButtonClicks[b]);
  }
  connect(ui_.cmdGo, &QPushButton::clicked, this, &Form1::cmdGo_Click);
  connect(ui_.tmrTimer, &QTimer::timeout, this, [this] { game_.tmrTimer_Timer(); });

  input_ = new BoardInput(*this, ui_.picP, game_, {ui_.txtSpielregeln, ui_.txtInformation});
  connect(input_, &BoardInput::CursorFocused, this,
          [this](int field) { boardAccessibility_->ReportFocus(field); });
  connect(input_, &BoardInput::Dropping, this, &Form1::BeginDropStory);
  connect(input_, &BoardInput::Dropped, this, &Form1::TellDropStory);
  auto* symbols = new QShortcut(QKeySequence(kTileSymbolsKey), this);
  connect(symbols, &QShortcut::activated, this, &Form1::SwitchTileSymbols);
  quit_ = [] { QCoreApplication::exit(0); };
  FitToScreen();
}

Form1::~Form1() = default;

void Form1::Form_Load() { game_.Form_Load(); }

// Puts the board's fields, the tree canvas and the drag outline on whole
// device pixels of the screen the window is on.
void Form1::FitToScreen() {
  const qreal ratio = devicePixelRatio();
  fittedRatio_ = ratio;
  const DeviceGrid board = BoardOnDevice(ratio);
  for (FieldBox* field : ui_.picP) {
    field->Place(PlaceOnDevicePixels(board.Cell(field->Index()), ratio));
  }
  const QRect canvas = CentredOnDesign(kCanvas, TreeCanvas::DeviceSize(ratio), ratio);
  ui_.picCanvas->Place(PlaceOnDevicePixels(canvas, ratio));
  ui_.picCanvas->MatchDeviceRatio(ratio);
  input_->Fit(ratio);
  update();
}

// A window is shown on its screen before its first paint; a later move to
// a screen of another scale shows in a repaint at the new ratio, which lays
// the window out anew once the paint is done.
// Opened by the program, the window takes the keys at once.
bool Form1::event(QEvent* event) {
  if (event->type() == QEvent::Show) {
    if (devicePixelRatio() != fittedRatio_) FitToScreen();
    if (!event->spontaneous()) TakeFocusWithoutWindowManager(*this);
  }
  return QWidget::event(event);
}

void Form1::paintEvent(QPaintEvent* event) {
  if (devicePixelRatio() != fittedRatio_) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (devicePixelRatio() != fittedRatio_) FitToScreen();
        },
        Qt::QueuedConnection);
  }
  QPainter painter(this);
  painter.setClipRect(event->rect());
  drawing_.Paint(painter, event->rect(), devicePixelRatio());
}

}  // namespace breliko::ui
