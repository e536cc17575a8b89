// BRELIKO: a colour board game. Starts the main window and runs until the
// quit button ends it. Sounds and the highscore file are found relative to
// the working directory.
#include <QApplication>
#include <QStyleFactory>

#include <cstdlib>
#include <memory>

#include "game/random_source.h"
#include "sound/audio_thread.h"
#include "ui/main_window/main_window.h"

namespace {

// The clock seeds the game's generator. Only the end-to-end tests, which
// replay a game worked out beforehand, fix the first seed through
// BRELIKO_TEST_SEED; every reseed then moves on to the next number.
std::unique_ptr<breliko::game::RandomSource> MakeRandomSource() {
  const char* seed = std::getenv("BRELIKO_TEST_SEED");
  if (seed != nullptr && *seed != '\0') {
    return std::make_unique<breliko::game::SeededRandomSource>(std::strtoull(seed, nullptr, 10));
  }
  return std::make_unique<breliko::game::ClockRandomSource>();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The program's windows stay alive between showings; only the quit button
  // ends the run.
  QApplication::setQuitOnLastWindowClosed(false);

  const auto sound = breliko::sound::MakeSystemSoundOutput();
  const auto random = MakeRandomSource();
  breliko::ui::Form1 form(*sound, *random);
  form.Form_Load();
  form.show();
  return QApplication::exec();
}
