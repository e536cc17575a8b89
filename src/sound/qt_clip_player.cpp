// Sound: the audio thread that owns Qt Multimedia, and the system sound output built on it.
#include "sound/qt_clip_player.h"

#include <QDeadlineTimer>
#include <QThread>

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
    : thread_(std::make_unique<AudioThread>(complaints)), complaints_(std::move(complaints)) {
  thread_->StartWorker();
}

QtClipPlayer::~QtClipPlayer() {
  thread_->quit();
  if (!thread_->wait(QDeadlineTimer(kShutdownWaitMs))) {
    // The sound server holds the audio thread inside a call of its own. A
    // running thread cannot be destroyed; it is left to the end of the
    // process, which the program's start-up code brings about.
    complaints_->TellShutdownStalled();
    static_cast<void>(thread_.release());
  }
}

void QtClipPlayer::Start(WaveClip clip, std::shared_ptr<ClipProgress> progress) {
  thread_->Worker().Post(std::move(clip), std::move(progress));
}

std::unique_ptr<SoundOutput> MakeSystemSoundOutput() {
  auto complaints = std::make_shared<SoundComplaints>(std::cerr);
  return std::make_unique<WavePlayer>(std::make_unique<QtClipPlayer>(complaints), complaints);
}

}  // namespace breliko::sound
