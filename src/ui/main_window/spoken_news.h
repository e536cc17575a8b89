// Main window: news a screen reader speaks by itself, wherever the focus is.
#pragma once

#include <QObject>
#include <QString>

namespace breliko::ui {

// A notification on the accessibility bus, a child of the main window with
// nothing to see. Each Tell moves the reader's attention to it with its new
// text, and the screen reader (Orca) speaks it; the next arrow takes the
// reader back to the board. Qt 6.4 has no event of its own for such news;
// Orca cannot read the changed name or description of the focused field
// from Qt (Qt sends the object, not the text); and a notification that
// merely shows is dropped while Orca is flooded, as it is after a square
// has disabled and enabled all 81 fields. A focus change it never drops.
class SpokenNews : public QObject {
  Q_OBJECT

 public:
  explicit SpokenNews(QObject* window);

  // Makes Qt ask us for the news' interface.
  static void Install();

  // Speaks `text` when a screen reader listens; an empty text says nothing.
  void Tell(const QString& text);
  const QString& Text() const { return text_; }

 private:
  QString text_;
};

}  // namespace breliko::ui
