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

// The device buffer asked for. The sink has taken the last sample long
// before the device has played it, so a clip counts as ended only this
// long after the sink has taken its last sample; a small buffer keeps that
// delay short.
constexpr std::chrono::milliseconds kDeviceBuffer{100};
constexpr std::chrono::milliseconds kDeviceSlack{50};
// A sink that never reports its last sample taken (a stalled server) ends
// this long after the clip's own length at the latest.
constexpr std::chrono::milliseconds kStalledSink{1000};
// Qt Multimedia's PulseAudio stream may still call a stopped sink from the
// server's thread for a moment; a stopped sink is destroyed only this much
// later, out of that moment's reach.
constexpr std::chrono::milliseconds kRetiredSinkLife{1000};

QAudioFormat ToAudioFormat(const WaveFormat& wave) {
  QAudioFormat format;
  format.setSampleRate(wave.sampleRate);
  format.setChannelConfig(QAudioFormat::defaultChannelConfigForChannelCount(wave.channels));
  if (format.channelCount() != wave.channels) format.setChannelCount(wave.channels);
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
    : complaints_(std::move(complaints)), endTimer_(new QTimer(this)) {
  endTimer_->setSingleShot(true);
  endTimer_->setTimerType(Qt::PreciseTimer);
  connect(endTimer_, &QTimer::timeout, this, &AudioWorker::Stop);
  connect(this, &AudioWorker::ClipPosted, this, &AudioWorker::PlayPosted, Qt::QueuedConnection);
}

AudioWorker::~AudioWorker() {
  // Nothing may reach a half-destroyed worker from the events the sinks
  // run while they are destroyed.
  QCoreApplication::removePostedEvents(this);
  Stop();
  DropRetiredSinks();
  const std::lock_guard lock(postMutex_);
  if (posted_) posted_->ended->release();
}

void AudioWorker::Post(WaveClip clip, std::shared_ptr<QSemaphore> ended) {
  std::optional<PostedClip> unheard;
  {
    const std::lock_guard lock(postMutex_);
    unheard = std::exchange(posted_, PostedClip{std::move(clip), std::move(ended)});
  }
  if (unheard) unheard->ended->release();
  emit ClipPosted();
}

void AudioWorker::PlayPosted() {
  std::optional<PostedClip> next;
  {
    const std::lock_guard lock(postMutex_);
    next = std::exchange(posted_, std::nullopt);
  }
  // A clip that cut an unheard one leaves one wake-up too many.
  if (next) Play(std::move(next->clip), std::move(next->ended));
}

void AudioWorker::Play(WaveClip clip, std::shared_ptr<QSemaphore> ended) {
  // One sound at a time, as with the Windows call: a new sound cuts the
  // one still playing.
  Stop();
  ended_ = std::move(ended);

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
  sink_->setBufferSize(format.bytesForDuration(std::chrono::microseconds(kDeviceBuffer).count()));
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
  // has taken the clip's last sample, which the device plays a buffer later.
  // On a busy machine the stream may start well after this call, so the
  // clip's end is counted from there, not from its length.
  connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
    if (state == QAudio::StoppedState) Stop();
    if (state == QAudio::IdleState) endTimer_->start(kDeviceBuffer + kDeviceSlack);
  });
  const auto length = std::chrono::ceil<std::chrono::milliseconds>(clip.Duration());
  endTimer_->start(length + kDeviceBuffer + kStalledSink);
}

void AudioWorker::Stop() {
  endTimer_->stop();
  if (sink_) {
    sink_->disconnect(this);
    sink_->stop();
    if (retired_.empty())
      QTimer::singleShot(kRetiredSinkLife, this, &AudioWorker::DropRetiredSinks);
    retired_.push_back(std::move(sink_));
  }
  if (auto ended = std::exchange(ended_, nullptr)) ended->release();
}

void AudioWorker::DropRetiredSinks() {
  // Moved out first: destroying a sink may run a Play that retires another.
  auto dropping = std::move(retired_);
  retired_.clear();
  dropping.clear();
}

}  // namespace breliko::sound
