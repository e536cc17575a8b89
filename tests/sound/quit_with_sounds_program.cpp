// Quits and is torn down the way the game is, QUIT_AFTER_MS after a clip that
// is cut and a clip that somebody waits for were handed to the audio thread:
//   breliko_quit_with_sounds_program QUIT_AFTER_MS
// A waiter never released hangs it; a broken teardown kills it by a signal.
#include <QApplication>
#include <QTimer>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/program_end.h"
#include "sound/qt_clip_player.h"

namespace {

// Two seconds of silence, long past any quit the test asks for.
breliko::sound::WaveClip LongClip() {
  return {"long",
          {breliko::sound::SampleEncoding::SignedInt, 1, 22050, 16},
          std::vector<std::uint8_t>(std::size_t{2} * 22050 * 2)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const int quitAfterMs = std::atoi(argv[1]);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int status = 1;
  {
    QApplication app(argc, argv);
    auto waitingEnded = std::make_shared<breliko::sound::ClipProgress>();
    std::thread waiter;
    std::ostringstream told;
    const auto complaints = std::make_shared<breliko::sound::SoundComplaints>(told);
    {
      breliko::sound::QtClipPlayer player(complaints);
      QTimer::singleShot(0, [&] {
        player.Start(LongClip(), std::make_shared<breliko::sound::ClipProgress>());
        player.Start(LongClip(), waitingEnded);
        // Waits without a limit, so a clip the teardown forgets hangs here.
        waiter = std::thread([waitingEnded] { waitingEnded->ended.acquire(); });
        QTimer::singleShot(quitAfterMs, &app, &QCoreApplication::quit);
      });
      status = QApplication::exec();
    }
    // A sound server that never answered holds the waited-for clip too; the
    // program ends past it, as the game does.
    std::cerr << told.str();
    if (told.str().find("does not answer") != std::string::npos) {
      waiter.detach();
    } else {
      waiter.join();
    }
  }
  breliko::app::EndProgram(status);
}
