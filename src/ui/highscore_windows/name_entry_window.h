// Highscore windows: Form3, where a player with a new highscore enters a name.
#pragma once

#include <functional>

#include "highscore/highscore_file.h"
#include "ui/highscore_windows/highscore_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace breliko::ui {

class Form2;

// The name entry after a game that beat the tenth place: the new entry takes
// the eleventh place, the eleven are ordered and saved, and the list shows
// the result.
class Form3 : public HighscoreDialog {
  Q_OBJECT

 public:
  Form3(Form2* liste, const highscore::HighscoreFile* datei, QWidget* parent = nullptr);

  QLabel* lblFrage = nullptr;
  QLineEdit* txtEingabeNamen = nullptr;
  QPushButton* cmdWeiter = nullptr;

  // Game end with a qualifying score: keeps the score for the entry, puts it
  // into the list's hidden row and asks for the name without waiting.
  void NamenErfragen(qint16 punkte);

  void cmdWeiter_Click();

  // Where the date of an entry comes from; the system clock unless a test
  // sets another.
  void setUhr(std::function<QString()> uhr);

 signals:
  // An entry was taken in (or its save failed): the tenth place may differ.
  void ListeGeaendert();

 private:
  Form2* liste_;
  const highscore::HighscoreFile* datei_;
  std::function<QString()> uhr_;
  qint16 wert_ = 0;
};

}  // namespace breliko::ui
