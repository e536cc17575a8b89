// BRELIKO: a colour board game. Starts the main window and runs until the
// quit button ends it. Sounds and the highscore file are found relative to
// the working directory.
#include <QApplication>
#include <QStyleFactory>

#include "game/random_source.h"
#include "sound/audio_thread.h"
#include "ui/main_window/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The program's windows stay alive between showings; only the quit button
  // ends the run.
  QApplication::setQuitOnLastWindowClosed(false);

  const auto sound = breliko::sound::MakeSystemSoundOutput();
  breliko::game::ClockRandomSource random;
  breliko::ui::Form1 form(*sound, random);
  form.Form_Load();
  form.show();
  return QApplication::exec();
}
