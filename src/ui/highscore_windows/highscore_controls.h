// Highscore windows: the labels, cells and buttons the three windows build.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace breliko::ui {

class HighscoreDialog;

// The controls of the highscore windows, built the one way they all look.

// A font narrowed to fit the cells and questions laid out for narrower fonts.
QFont Narrowed(QFont font);

// A button whose face is the window's green; "&" in the caption marks the
// access key.
QPushButton* MakeGreenButton(HighscoreDialog* parent, const QRect& rect, const QString& caption,
                             const QFont& font);

// A question on the window's green in "Ariel SudEuro" 8.25 pt, wrapped at
// word boundaries where `wrap` says so.
QLabel* MakeQuestion(QWidget* parent, const QRect& rect, const QString& text, bool wrap);

// A one-line text box in "MS Sans Serif" 8.25 pt with a flat one-pixel border.
QLineEdit* MakeTextBox(HighscoreDialog* parent, const QRect& rect, Qt::Alignment alignment,
                       const QColor& background = Qt::white);

}  // namespace breliko::ui
