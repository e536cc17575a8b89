// Highscore windows: their owner, which loads the three windows at start.
#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "highscore/highscore_file.h"
#include "ui/highscore_windows/highscore_list_window.h"
#include "ui/highscore_windows/name_entry_window.h"
#include "ui/highscore_windows/reset_window.h"

class QWidget;

namespace breliko::ui {

// The three highscore windows as the main window uses them. They are loaded
// once, while the main window loads, without showing them: each is centred
// on the screen and gets its box, list first, then name entry, then
// confirmation, and stays where it was loaded for the whole run.
class HighscoreWindows : public QObject {
  Q_OBJECT

 public:
  // `hauptfenster` becomes the windows' parent, so they stay above it;
  // `listenTon` plays the sound of the show command.
  HighscoreWindows(QWidget* hauptfenster, std::function<void()> listenTon,
                   highscore::HighscoreFile datei = highscore::HighscoreFile());
  ~HighscoreWindows() override;

  // The score of the tenth place, which a finished game has to beat.
  int HighscoreGrenzeLesen() const;

  // Reads the list from the file into the window and shows it.
  void cmdHighscoreAnzeigen_Click();
  void Zeigen();

  // Game end with a score above the threshold: asks for the name without
  // waiting. The entry keeps this score, whatever happens meanwhile.
  // `anlass` tells a screen reader why the window opened (the game's end
  // and its score): the window's name is what a reader speaks first.
  void NeuerHighscore(int punkte, const QString& anlass = QString());

  // Asks, without waiting, whether the list should be emptied.
  void cmdHighscoreErneuern_Click();

  Form2* form2() { return form2_; }
  Form3* form3() { return form3_; }
  Form4* form4() { return form4_; }
  const highscore::HighscoreFile& datei() const { return datei_; }

 signals:
  // After every entry and every reset, the tenth place as the file now holds
  // it, so that the next game asks for a name exactly when it beats it.
  void HighscoreGrenzeGeaendert(int grenze);

 private:
  void ListeGeaendert();

  QPointer<QWidget> hauptfenster_;
  highscore::HighscoreFile datei_;
  std::function<void()> listenTon_;
  QPointer<Form2> form2_;
  QPointer<Form3> form3_;
  QPointer<Form4> form4_;
};

}  // namespace breliko::ui
