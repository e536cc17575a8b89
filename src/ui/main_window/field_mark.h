// Main window: the marks of keyboard play, the cursor frame and the picked-up tile.
#pragma once

#include <QWidget>

namespace breliko::ui {

// A mark drawn over one board field while the game is played with the keys.
// It never takes the mouse, and is hidden until the first arrow key, so a
// game played with the mouse looks as it always did.
class FieldMark : public QWidget {
 public:
  enum class Kind {
    // The keyboard cursor: a black and white frame round the field that
    // shows on every tile and every base colour. The board's keyboard focus
    // rests on it.
    kCursor,
    // A tile picked up with the keys: paled, with a dashed ring inside.
    kPicked,
  };

  FieldMark(Kind kind, QWidget* parent);

  // Puts the mark on the field with this rectangle and shows it.
  void ShowOn(const QRect& field);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
};

}  // namespace breliko::ui
