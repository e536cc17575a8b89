// Highscore windows: Form2, the list of the ten best players.
#pragma once

#include <array>

#include "highscore/highscore_file.h"
#include "highscore/highscore_list.h"
#include "ui/highscore_windows/highscore_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace breliko::ui {

// The highscore list window: row i shows place i + 1. Row 10 is never shown;
// it carries place 11 and, while a new entry is taken in, the new entry.
class Form2 : public HighscoreDialog {
  Q_OBJECT

 public:
  static constexpr int kZeilen = highscore::kListLength;
  static constexpr int kVersteckteZeile = kZeilen - 1;

  explicit Form2(QWidget* parent = nullptr);

  std::array<QLineEdit*, kZeilen> txtRang{};
  std::array<QLineEdit*, kZeilen> txtWert{};
  std::array<QLineEdit*, kZeilen> txtPerson{};
  std::array<QLineEdit*, kZeilen> txtDatum{};
  QPushButton* cmdWeiter = nullptr;
  // Tells the player that the list could not be saved; hidden otherwise.
  QLabel* lblMeldung = nullptr;

  void ZeileZeigen(int zeile, const highscore::HighscoreEntry& eintrag);
  void ZeilenZeigen(const highscore::HighscoreList& liste);

  // A save failed: the player reads it in the window, the console gets the
  // reason as well.
  void SpeicherFehlerMelden(const QString& grund);
  // After an entry or a reset: shows the list with the failure, if the save
  // failed, and puts the focus on its button.
  void NachDemSpeichernZeigen(const highscore::HighscoreFile& datei,
                              const highscore::WriteResult& ergebnis);
  void MeldungLoeschen();

  void cmdWeiter_Click();

 private:
  void NameThePlace(int zeile);
};

}  // namespace breliko::ui
