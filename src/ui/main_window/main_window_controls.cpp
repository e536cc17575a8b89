// Main window: the controls of Form1, made and placed, before any is wired.
#include "ui/main_window/main_window_controls.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "ui/common/button_style.h"
#include "ui/common/fonts.h"
#include "ui/common/push_button.h"
#include "ui/common/widget_colours.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/field_names.h"
#include "ui/main_window/panel_texts.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui::form1 {

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

}  // namespace

void Controls::SetUp(QWidget& window) {
  for (int i = 0; i < game::kFieldCount; ++i) {
    auto* field = new FieldBox(i, &window);
    // On the board before it is named: naming it makes Qt ask for its
    // interface, which is a board cell only for a field on the board.
    picP[i] = field;
    field->setObjectName(QStringLiteral("picP(%1)").arg(i));
    field->setGeometry(FieldRect(i));
    field->setAccessibleName(FieldName(i, game::kNoPicture));
  }
  for (int i = 0; i < game::kPrototypeCount; ++i) {
    auto* prototype = new FieldBox(i, &window);
    prototype->setObjectName(QStringLiteral("picF(%1)").arg(i));
    prototype->setGeometry(PrototypeRect(i));
    prototype->SetPicture(TilePicture{i});
    prototype->hide();
    picF[i] = prototype;
  }

  lblBreliko = new QLabel(QStringLiteral("BRELIKO"), &window);
  lblBreliko->setObjectName("lblBreliko");
  lblBreliko->setGeometry(kTitle);
  lblBreliko->setFont(SansSerifFont(kLargePx));
  lblBreliko->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetColours(lblBreliko, kWindowColour, kPaleGreen);

  lblPunkte = new QLabel(&window);
  lblPunkte->setObjectName("lblPunkte");
  lblPunkte->setGeometry(kScore);
  lblPunkte->setFont(SansSerifFont(kLargePx, true));
  lblPunkte->setAlignment(Qt::AlignCenter);
  lblPunkte->setFrameStyle(QFrame::Box | QFrame::Plain);
  lblPunkte->setLineWidth(1);
  SetColours(lblPunkte, Qt::white, Qt::black);

  picCanvas = new TreeCanvas(&window);
  picCanvas->setObjectName("picCanvas");
  picCanvas->setGeometry(kCanvas);

  for (int b = 0; b < kButtonCount; ++b) {
    auto* button = new PushButton(QString::fromUtf8(kButtons[b].caption), &window);
    button->setObjectName(kButtons[b].name);
    button->setGeometry(kButtons[b].rect);
    button->setFont(SudEuroFont(kSmallPx));
    button->setStyleSheet(RaisedButtonStyle(kButtonFace));
    button->setAutoDefault(false);
    buttons[b] = button;
  }
  cmdGo = new QPushButton(QStringLiteral("Go"), &window);
  cmdGo->setObjectName("cmdGo");
  cmdGo->setGeometry(kGo);
  cmdGo->setFont(SansSerifFont(kSmallPx));
  cmdGo->hide();

  // Made after the board, so a visible panel lies over the fields.
  txtSpielregeln = MakePanel(&window, "txtSpielregeln", kRulesPanel, Qt::white, RulesText(), false);
  txtInformation =
      MakePanel(&window, "txtInformation", kInformationPanel, kPaleGreen, InformationText(), true);

  tmrTimer = new QTimer(&window);
  tmrTimer->setObjectName("tmrTimer");
  tmrTimer->setInterval(400);
}

}  // namespace breliko::ui::form1
