// Sound: the audio thread that owns Qt Multimedia, and the system sound output built on it.
#include "sound/audio_thread.h"

#include <QDeadlineTimer>

#include <iostream>
#include <utility>

#include "sound/audio_worker.h"

namespace breliko::sound {

namespace {

// How long closing the player waits for the audio thread to wind down.
constexpr int kShutdownWaitMs = 2000;

}  // namespace

QtClipPlayer::QtClipPlayer(std::shared_ptr<SoundComplaints> complaints)
    : thread_(std::make_unique<QThread>()), worker_(new AudioWorker(std::move(complaints))) {
  thread_->setObjectName("breliko sound");
  // Everything the worker is made of, its connections included, is in
  // place before the audio thread starts.
  worker_->moveToThread(thread_.get());
  QObject::connect(thread_.get(), &QThread::finished, worker_, &QObject::deleteLater);
  thread_->start();
}

QtClipPlayer::~QtClipPlayer() {
  thread_->quit();
  if (!thread_->wait(QDeadlineTimer(kShutdownWaitMs))) {
    // The audio system is stuck in a call of its own. Destroying a running
    // QThread would abort the program, so the thread is left to the end
    // of the process.
    static_cast<void>(thread_.release());
  }
}

void QtClipPlayer::Start(WaveClip clip, std::shared_ptr<QSemaphore> ended) {
  worker_->Post(std::move(clip), std::move(ended));
}

std::unique_ptr<SoundOutput> MakeSystemSoundOutput() {
  auto complaints = std::make_shared<SoundComplaints>(std::cerr);
  return std::make_unique<WavePlayer>(std::make_unique<QtClipPlayer>(complaints), complaints);
}

}  // namespace breliko::sound
