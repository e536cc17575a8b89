// Highscore windows: the labels, cells and buttons the three windows build.
#include "ui/highscore_windows/highscore_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/common/button_style.h"
#include "ui/common/fonts.h"
#include "ui/common/push_button.h"
#include "ui/common/widget_colours.h"
#include "ui/highscore_windows/highscore_dialog.h"

namespace breliko::ui {

namespace {

// The cells are small: the toolkit's sunken frame would take the room a date
// needs, so the border is a flat line.
QString FlatBoxStyle(const QColor& background) {
  return QStringLiteral(
             "QLineEdit { border: 1px solid rgb(128, 128, 128); padding: 0px; "
             "background: %1; }")
      .arg(background.name());
}

}  // namespace

// DejaVu Sans runs about a fifth wider than the fonts these windows were laid
// out for. Narrowed to 80 %, a date of 17 characters fits its cell and the
// question fits its two lines, as the layout intends.
QFont Narrowed(QFont font) {
  font.setStretch(80);
  return font;
}

QPushButton* MakeGreenButton(HighscoreDialog* parent, const QRect& rect, const QString& caption,
                             const QFont& font) {
  auto* button = new PushButton(caption, parent);
  button->setGeometry(rect);
  button->setFont(font);
  parent->StilBeimZeigen(button, RaisedButtonStyle(HighscoreDialog::kHintergrund));
  button->setAutoDefault(false);
  return button;
}

QLabel* MakeQuestion(QWidget* parent, const QRect& rect, const QString& text, bool wrap) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(rect);
  label->setFont(Narrowed(SudEuroFont(kSmallPx)));
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAutoFillBackground(true);
  SetPaletteColour(label, QPalette::Window, HighscoreDialog::kHintergrund);
  return label;
}

// The box takes the window's font, "MS Sans Serif" 8.25 pt narrowed.
QLineEdit* MakeTextBox(HighscoreDialog* parent, const QRect& rect, Qt::Alignment alignment,
                       const QColor& background) {
  auto* box = new QLineEdit(parent);
  box->setGeometry(rect);
  box->setAlignment(alignment | Qt::AlignVCenter);
  parent->StilBeimZeigen(box, FlatBoxStyle(background));
  return box;
}

}  // namespace breliko::ui
