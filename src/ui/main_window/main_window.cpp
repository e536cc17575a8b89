// Main window: Form1, the board, the score, the tree and the command buttons.
#include "ui/main_window/main_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "ui/common/button_style.h"
#include "ui/common/device_pixels.h"
#include "ui/common/fonts.h"
#include "ui/common/push_button.h"
#include "ui/common/widget_colours.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/main_window/board_accessibility.h"
#include "ui/main_window/board_input.h"
#include "ui/main_window/device_layout.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/field_names.h"
#include "ui/main_window/panel_texts.h"
#include "ui/main_window/tree_canvas.h"
#include "ui/main_window/window_frame.h"
#include "ui/main_window/window_mover.h"

namespace breliko::ui {

using namespace form1;

namespace {

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
  for (auto role : {QPalette::Window, QPalette::Base}) SetPaletteColour(widget, role, background);
  for (auto role : {QPalette::WindowText, QPalette::Text}) SetPaletteColour(widget, role, text);
  widget->setAutoFillBackground(true);
}

QTextEdit* MakePanel(QWidget* parent, const char* name, const QRect& rect, const QColor& background,
                     const QString& text, bool centred) {
  auto* panel = new QTextEdit(parent);
  panel->setObjectName(name);
  panel->setGeometry(rect);
  panel->setFont(SudEuroFont(kMediumPx));
  panel->setPlainText(text);
  panel->setReadOnly(true);
  // The panels only show their text: no caret, no selection, no focus. They
  // stay scrollable, since the rules run longer than the panel is tall.
  panel->setTextInteractionFlags(Qt::NoTextInteraction);
  panel->setFocusPolicy(Qt::NoFocus);
  panel->setLineWrapMode(QTextEdit::WidgetWidth);
  panel->setWordWrapMode(QTextOption::WordWrap);
  panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetColours(panel, background, Qt::black);
  SetColours(panel->viewport(), background, Qt::black);
  if (centred) {
    QTextCursor all(panel->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(format);
  }
  panel->hide();
  return panel;
}

// The key that switches the symbols on the colour tiles. No window of the
// game uses a function key; every free letter is kept for access keys.
constexpr Qt::Key kTileSymbolsKey = Qt::Key_F2;

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
  boardAccessibility_ = new BoardAccessibility(
      picP_, [this] { return input_ != nullptr ? input_->FocusedField() : -1; }, this);
  setObjectName("Form1");
  setWindowTitle(QString());
  // The window has no caption; a screen reader names it all the same.
  setAccessibleName(QStringLiteral("BRELIKO"));
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);

  CreateBoard();
  CreateRightColumn();
  CreateButtons();
  CreatePanels();

  tmrTimer_ = new QTimer(this);
  tmrTimer_->setObjectName("tmrTimer");
  tmrTimer_->setInterval(400);
  connect(tmrTimer_, &QTimer::timeout, this, [this] { game_.tmrTimer_Timer(); });

  input_ = new BoardInput(*this, picP_, game_, *txtSpielregeln_);
  connect(input_, &BoardInput::CursorFocused, this,
          [this](int field) { boardAccessibility_->ReportFocus(field); });
  auto* symbols = new QShortcut(QKeySequence(kTileSymbolsKey), this);
  connect(symbols, &QShortcut::activated, this, &Form1::SwitchTileSymbols);
  auto* mover = new WindowMover(*this, [this](QPoint point) { return IsMoveHandle(point); });
  mover->AddHandle(*lblBreliko_);
  quit_ = [] { QCoreApplication::exit(0); };
  FitToScreen();
}

Form1::~Form1() = default;

void Form1::Form_Load() { game_.Form_Load(); }

void Form1::CreateBoard() {
  for (int i = 0; i < game::kFieldCount; ++i) {
    auto* field = new FieldBox(i, this);
    picP_[i] = field;
    field->setObjectName(QStringLiteral("picP(%1)").arg(i));
    field->setGeometry(FieldRect(i));
    field->setAccessibleName(FieldName(i, game::kNoPicture));
  }
  // The prototypes the board copies its pictures from; never shown.
  for (int i = 0; i < game::kPrototypeCount; ++i) {
    auto* prototype = new FieldBox(i, this);
    prototype->setObjectName(QStringLiteral("picF(%1)").arg(i));
    prototype->setGeometry(PrototypeRect(i));
    prototype->SetPicture(TilePicture{i});
    prototype->hide();
    picF_[i] = prototype;
  }
}

void Form1::CreateRightColumn() {
  lblBreliko_ = new QLabel(QStringLiteral("BRELIKO"), this);
  lblBreliko_->setObjectName("lblBreliko");
  lblBreliko_->setGeometry(kTitle);
  lblBreliko_->setFont(SansSerifFont(kLargePx));
  lblBreliko_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetColours(lblBreliko_, kWindowColour, kPaleGreen);

  lblPunkte_ = new QLabel(this);
  lblPunkte_->setObjectName("lblPunkte");
  lblPunkte_->setGeometry(kScore);
  lblPunkte_->setFont(SansSerifFont(kLargePx, true));
  lblPunkte_->setAlignment(Qt::AlignCenter);
  lblPunkte_->setFrameStyle(QFrame::Box | QFrame::Plain);
  lblPunkte_->setLineWidth(1);
  SetColours(lblPunkte_, Qt::white, Qt::black);

  picCanvas_ = new TreeCanvas(this);
  picCanvas_->setObjectName("picCanvas");
  picCanvas_->setGeometry(kCanvas);
}

void Form1::CreateButtons() {
  for (int b = 0; b < kButtonCount; ++b) {
    auto* button = new PushButton(QString::fromUtf8(kButtons[b].caption), this);
    button->setObjectName(kButtons[b].name);
    button->setGeometry(kButtons[b].rect);
    button->setFont(SudEuroFont(kSmallPx));
    button->setStyleSheet(RaisedButtonStyle(kButtonFace));
    button->setAutoDefault(false);
    buttons_[b] = button;
  }
  connect(buttons_[kSpielStarten], &QPushButton::clicked, this, &Form1::cmdSpielStarten_Click);
  connect(buttons_[kSpielAbbrechen], &QPushButton::clicked, this, &Form1::cmdSpielAbbrechen_Click);
  connect(buttons_[kTonEinschaltenAusschalten], &QPushButton::clicked, this,
          &Form1::cmdTonEinschaltenAusschalten_Click);
  connect(buttons_[kFelderGrundfarbe], &QPushButton::clicked, this,
          &Form1::cmdFelderGrundfarbe_Click);
  connect(buttons_[kSpielregeln], &QPushButton::clicked, this, &Form1::cmdSpielregeln_Click);
  connect(buttons_[kInformation], &QPushButton::clicked, this, &Form1::cmdInformation_Click);
  connect(buttons_[kHighscoreAnzeigen], &QPushButton::clicked, this,
          &Form1::cmdHighscoreAnzeigen_Click);
  connect(buttons_[kHighscoreErneuern], &QPushButton::clicked, this,
          &Form1::cmdHighscoreErneuern_Click);
  connect(buttons_[kProgrammBeenden], &QPushButton::clicked, this,
          &Form1::cmdProgrammBeenden_Click);

  cmdGo_ = new QPushButton(QStringLiteral("Go"), this);
  cmdGo_->setObjectName("cmdGo");
  cmdGo_->setGeometry(kGo);
  cmdGo_->setFont(SansSerifFont(kSmallPx));
  cmdGo_->hide();
  connect(cmdGo_, &QPushButton::clicked, this, &Form1::cmdGo_Click);
}

void Form1::CreatePanels() {
  // Created after the board, so a visible panel lies over the fields.
  txtSpielregeln_ = MakePanel(this, "txtSpielregeln", kRulesPanel, Qt::white, RulesText(), false);
  txtInformation_ =
      MakePanel(this, "txtInformation", kInformationPanel, kPaleGreen, InformationText(), true);
}

// The green margin, the frame and the title hold the window; the board, with
// the gaps between its fields, is for the tiles, and the other controls keep
// their own clicks.
bool Form1::IsMoveHandle(QPoint point) const {
  const QRect board = FieldRect(0).united(FieldRect(game::kFieldCount - 1));
  if (board.contains(point)) return false;
  const QWidget* hit = childAt(point);
  return hit == nullptr || hit == lblBreliko_;
}

void Form1::FitToScreen() {
  const qreal ratio = devicePixelRatio();
  fittedRatio_ = ratio;
  for (FieldBox* field : picP_) {
    field->Place(PlaceOnDevicePixels(FieldDeviceRect(field->Index(), ratio), ratio));
  }
  const QRect canvas = CentredOnDesign(kCanvas, TreeCanvas::DeviceSize(ratio), ratio);
  picCanvas_->Place(PlaceOnDevicePixels(canvas, ratio));
  picCanvas_->MatchDeviceRatio(ratio);
  input_->Fit(ratio);
  update();
}

// A window is shown on its screen before its first paint; a later move to
// a screen of another scale shows in a repaint at the new ratio, which lays
// the window out anew once the paint is done.
bool Form1::event(QEvent* event) {
  if (event->type() == QEvent::Show && devicePixelRatio() != fittedRatio_) FitToScreen();
  return QWidget::event(event);
}

void Form1::PaintDrawing(QPainter& painter, const QRect& area, qreal ratio) const {
  painter.fillRect(area, backColor_);
  if (frameDrawn_) DrawFrame(painter, ratio);
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
  PaintDrawing(painter, event->rect(), devicePixelRatio());
}

QImage Form1::Drawing() const {
  QImage drawing(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&drawing);
  PaintDrawing(painter, drawing.rect(), 1);
  return drawing;
}

}  // namespace breliko::ui
