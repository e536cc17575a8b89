// Sound: the worker on the audio thread that feeds one clip at a time to the audio sink.
#include "sound/audio_worker.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTimer>

#include <chrono>
#include <utility>

namespace breliko::sound {

namespace {

// The buffer asked of the device holds the whole clip: the sink feeds the
// server in pieces of 20 ms, and only when the server asks for a whole
// piece, so a clip fed piece by piece falls silent for a moment whenever the
// server asks for less, or a busy machine feeds it late. A clip that lies
// whole in the server from its start plays whole. The server keeps about
// half of the time asked for as its buffer, hence twice the clip's length.
constexpr std::chrono::milliseconds kDeviceBufferBeyondTheClip{100};
// How often the sink is asked how much of the clip the device has played.
constexpr std::chrono::milliseconds kPlayingCheck{20};
// Qt Multimedia's PulseAudio stream may still call a stopped sink from the
// server's thread for a moment; a stopped sink is destroyed only this much
// later, out of that moment's reach.
constexpr std::chrono::milliseconds kRetiredSinkLife{1000};

QAudioFormat ToAudioFormat(const WaveFormat& wave) {
  QAudioFormat format;
  format.setSampleRate(wave.sampleRate);
  // Qt's layout for 1 to 8 channels, as many as a wave file here may hold.
  format.setChannelConfig(QAudioFormat::defaultChannelConfigForChannelCount(wave.channels));
  switch (wave.encoding) {
    case SampleEncoding::UnsignedInt:
      format.setSampleFormat(QAudioFormat::UInt8);
      break;
    case SampleEncoding::SignedInt:
      format.setSampleFormat(wave.bitsPerSample == 16 ? QAudioFormat::Int16 : QAudioFormat::Int32);
      break;
    case SampleEncoding::Float:
      format.setSampleFormat(QAudioFormat::Float);
      break;
  }
  return format;
}

}  // namespace

AudioWorker::AudioWorker(std::shared_ptr<SoundComplaints> complaints)
    : complaints_(std::move(complaints)), playingTimer_(new QTimer(this)) {
  playingTimer_->setInterval(kPlayingCheck);
  playingTimer_->setTimerType(Qt::PreciseTimer);
  connect(playingTimer_, &QTimer::timeout, this, &AudioWorker::FollowPlaying);
  connect(this, &AudioWorker::ClipPosted, this, &AudioWorker::PlayPosted, Qt::QueuedConnection);
}

AudioWorker::~AudioWorker() {
  // Nothing may reach a half-destroyed worker from the events the sinks
  // run while they are destroyed.
  QCoreApplication::removePostedEvents(this);
  Stop();
  DropRetiredSinks();
  const std::lock_guard lock(postMutex_);
  if (posted_) posted_->progress->ended.release();
}

void AudioWorker::Post(WaveClip clip, std::shared_ptr<ClipProgress> progress) {
  std::optional<PostedClip> unheard;
  {
    const std::lock_guard lock(postMutex_);
    unheard = std::exchange(posted_, PostedClip{std::move(clip), std::move(progress)});
  }
  if (unheard) unheard->progress->ended.release();
  emit ClipPosted();
}

void AudioWorker::PlayPosted() {
  std::optional<PostedClip> next;
  {
    const std::lock_guard lock(postMutex_);
    next = std::exchange(posted_, std::nullopt);
  }
  // A clip that cut an unheard one leaves one wake-up too many.
  if (next) Play(std::move(next->clip), std::move(next->progress));
}

void AudioWorker::Play(WaveClip clip, std::shared_ptr<ClipProgress> progress) {
  // One sound at a time, as with the Windows call: a new sound cuts the
  // one still playing.
  Stop();
  progress_ = std::move(progress);

  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) {
    complaints_->Tell("sounds", "there is no audio output");
    Stop();
    return;
  }
  const QAudioFormat format = ToAudioFormat(clip.format);
  if (!device.isFormatSupported(format)) {
    complaints_->Tell(clip.file, "the audio output does not take its sample format");
    Stop();
    return;
  }

  sink_ = std::make_unique<QAudioSink>(device, format);
  length_ = clip.Duration();
  sink_->setBufferSize(format.bytesForDuration((2 * length_ + kDeviceBufferBeyondTheClip).count()));
  auto* samples = new QBuffer(sink_.get());
  samples->setData(reinterpret_cast<const char*>(clip.samples.data()),
                   static_cast<int>(clip.samples.size()));  // wave files are at most 16 MiB
  samples->open(QIODevice::ReadOnly);
  sink_->start(samples);
  if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
    complaints_->Tell(clip.file, "the audio output refused it");
    Stop();
    return;
  }
  // A sink stops by itself only when the device fails. It goes idle once it
  // has taken the clip's last sample, a buffer before the device has played
  // it, but also in the middle of a clip that a busy machine fed too late:
  // only the time the device has played tells when the clip has ended.
  connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
    if (state == QAudio::StoppedState) Stop();
  });
  startedAt_ = std::chrono::steady_clock::now();
  playingTimer_->start();
}

// The sink's played time runs ahead for a moment at the start, before the
// server has told it how long its buffer is; no device plays a clip in less
// than its own length.
void AudioWorker::FollowPlaying() {
  const std::chrono::microseconds played(sink_->processedUSecs());
  progress_->playedUs = played.count();
  if (played >= length_ && std::chrono::steady_clock::now() - startedAt_ >= length_) Stop();
}

void AudioWorker::Stop() {
  playingTimer_->stop();
  if (sink_) {
    sink_->disconnect(this);
    sink_->stop();
    if (retired_.empty())
      QTimer::singleShot(kRetiredSinkLife, this, &AudioWorker::DropRetiredSinks);
    retired_.push_back(std::move(sink_));
  }
  if (auto progress = std::exchange(progress_, nullptr)) progress->ended.release();
}

void AudioWorker::DropRetiredSinks() {
  // Moved out first: destroying a sink may run a Play that retires another.
  auto dropping = std::move(retired_);
  retired_.clear();
  dropping.clear();
}

}  // namespace breliko::sound
