// A program that quits, and is torn down, the way the game is, while a
// clip that is cut and a clip that somebody waits for are both on their way
// through the audio thread. Its exit status is the test's verdict:
//
//   breliko_quit_with_sounds_program QUIT_AFTER_MS
//
// It ends with 0 when the quit came QUIT_AFTER_MS after the clips were
// handed over; a waiter that is never released hangs it, and a teardown
// that breaks kills it with a signal.
#include <QApplication>
#include <QSemaphore>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <thread>

#include "sound/audio_thread.h"

namespace {

using breliko::sound::WaveClip;

// Two seconds of silence, long past any quit the test asks for.
WaveClip LongClip(const char* name) {
  constexpr int kRate = 22050;
  WaveClip clip{name, {breliko::sound::SampleEncoding::SignedInt, 1, kRate, 16}, {}};
  clip.samples.resize(std::size_t{2} * kRate * 2);
  return clip;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: breliko_quit_with_sounds_program QUIT_AFTER_MS\n";
    return 2;
  }
  const int quitAfterMs = std::atoi(argv[1]);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int status = 1;
  {
    QApplication app(argc, argv);
    auto complaints = std::make_shared<breliko::sound::SoundComplaints>(std::cerr);
    auto waitingEnded = std::make_shared<QSemaphore>(0);
    std::thread waiter;
    {
      breliko::sound::QtClipPlayer player(complaints);
      QTimer::singleShot(0, [&] {
        player.Start(LongClip("cut"), std::make_shared<QSemaphore>(0));
        player.Start(LongClip("waited for"), waitingEnded);
        // Waits without a limit, so a clip the teardown forgets hangs here.
        waiter = std::thread([waitingEnded] { waitingEnded->acquire(); });
        QTimer::singleShot(quitAfterMs, &app, &QCoreApplication::quit);
      });
      status = QApplication::exec();
    }
    waiter.join();
  }
  breliko::sound::EndProgram(status);
}
