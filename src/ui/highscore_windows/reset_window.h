// Highscore windows: Form4, the question before the list is reset.
#pragma once

#include "highscore/highscore_file.h"
#include "ui/highscore_windows/highscore_dialog.h"

class QLabel;
class QPushButton;

namespace breliko::ui {

class Form2;

// The question before the highscore list is emptied.
class Form4 : public HighscoreDialog {
  Q_OBJECT

 public:
  Form4(Form2* liste, const highscore::HighscoreFile* datei, QWidget* parent = nullptr);

  QLabel* lblFrage = nullptr;
  QPushButton* cmdJa = nullptr;
  QPushButton* cmdNein = nullptr;

  void cmdJa_Click();
  void cmdNein_Click();

 signals:
  // The list was emptied (or its save failed): the tenth place may differ.
  void ListeGeaendert();

 private:
  Form2* liste_;
  const highscore::HighscoreFile* datei_;
};

}  // namespace breliko::ui
