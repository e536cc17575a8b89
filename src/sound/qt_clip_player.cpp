// Sound: the audio thread that owns Qt Multimedia, and the system sound output built on it.
#include "sound/qt_clip_player.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <future>
#include <iostream>
#include <utility>

#include "sound/audio_worker.h"

namespace breliko::sound {

namespace {

// How long closing the player waits for the audio thread to wind down. A
// sound server that answers takes milliseconds; one that does not answer
// at all would otherwise hold the quit for good.
constexpr int kShutdownWaitMs = 2000;

}  // namespace

// The audio thread. Its worker lives on the thread's own stack, so it is
// made before the thread's event loop starts and destroyed, its sinks with
// it, after that loop has ended, all in this thread.
class AudioThread final : public QThread {
 public:
  explicit AudioThread(std::shared_ptr<SoundComplaints> complaints)
      : complaints_(std::move(complaints)) {
    setObjectName("breliko sound");
  }

  // Starts the thread and returns once its worker is made: a clip handed
  // over at once has somewhere to go.
  void StartWorker() {
    std::future<AudioWorker*> worker = workerMade_.get_future();
    start();
    worker_ = worker.get();
  }

  // Used from the game's thread only, between StartWorker and the end.
  AudioWorker& Worker() const { return *worker_; }

 protected:
  void run() override {
    AudioWorker worker(complaints_);
    workerMade_.set_value(&worker);
    exec();
  }

 private:
  std::shared_ptr<SoundComplaints> complaints_;
  std::promise<AudioWorker*> workerMade_;
  AudioWorker* worker_ = nullptr;
};

QtClipPlayer::QtClipPlayer(std::shared_ptr<SoundComplaints> complaints)
    : thread_(std::make_unique<AudioThread>(std::move(complaints))) {
  thread_->StartWorker();
}

QtClipPlayer::~QtClipPlayer() {
  thread_->quit();
  if (!thread_->wait(QDeadlineTimer(kShutdownWaitMs))) {
    // The sound server holds the audio thread inside a call of its own.
    // A running thread can neither be destroyed nor left behind while the
    // application goes; the player asked to quit, and everything of the
    // game is saved, so the program ends here.
    std::fputs("breliko: the audio output does not answer; the game ends without it\n", stderr);
    EndProgram(EXIT_SUCCESS);
  }
}

void QtClipPlayer::Start(WaveClip clip, std::shared_ptr<QSemaphore> ended) {
  thread_->Worker().Post(std::move(clip), std::move(ended));
}

std::unique_ptr<SoundOutput> MakeSystemSoundOutput() {
  auto complaints = std::make_shared<SoundComplaints>(std::cerr);
  return std::make_unique<WavePlayer>(std::make_unique<QtClipPlayer>(complaints), complaints);
}

void EndProgram(int status) {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace breliko::sound
