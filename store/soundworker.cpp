#include "soundworker.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <cstring>

namespace {

// The first look for an output device connects to the sound server; when
// there is none, the audio layer says so on the console.  That is no news to
// a player without sound, so the one line is let go unprinted.
QtMessageHandler previousHandler = nullptr;

void QuietServerMessages(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

QAudioDevice ProbeOutput() {
    previousHandler = qInstallMessageHandler(QuietServerMessages);
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previousHandler);
    return device;
}

// Time left for the stream to play out what the server has buffered.
constexpr int ReleaseMarginMs = 300;

} // namespace

TSoundWorker::TSoundWorker() = default;

TSoundWorker::~TSoundWorker() {
    StopPlaying();
}

const TSoundWorker::TPcmClip& TSoundWorker::Clip(TSoundClip clip) {
    TPcmClip& entry = clips_[static_cast<size_t>(clip)];
    if (entry.Loaded)
        return entry;
    entry.Loaded = true;
    const TDecodedSound sound = DecodeSoundResource(clip);
    if (sound.Samples.empty())
        return entry;
    entry.Format.setSampleRate(sound.SampleRate);
    entry.Format.setChannelCount(sound.Channels);
    entry.Format.setSampleFormat(QAudioFormat::Int16);
    const auto bytes = static_cast<qsizetype>(sound.Samples.size() * sizeof(std::int16_t));
    entry.Pcm = QByteArray(reinterpret_cast<const char*>(sound.Samples.data()), bytes);
    entry.Milliseconds = static_cast<int>(sound.Milliseconds());
    return entry;
}

bool TSoundWorker::HaveOutput() {
    if (!probed_) {
        probed_ = true;
        return !ProbeOutput().isNull();
    }
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void TSoundWorker::StopPlaying() {
    if (release_)
        release_->stop();
    if (sink_)
        sink_->stop();
    sink_.reset();
    buffer_.reset();
}

void TSoundWorker::Play(TSoundClip clip) {
    StopPlaying();
    if (!HaveOutput())
        return;
    const TPcmClip& pcm = Clip(clip);
    if (pcm.Pcm.isEmpty())
        return;
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(pcm.Pcm); // shares the decoded bytes, no copy
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), pcm.Format);
    sink_->start(buffer_.get());
    if (sink_->error() != QAudio::NoError) {
        StopPlaying();
        return;
    }
    if (!release_) {
        release_ = new QTimer(this);
        release_->setSingleShot(true);
        connect(release_, &QTimer::timeout, this, &TSoundWorker::StopPlaying);
    }
    release_->start(pcm.Milliseconds + ReleaseMarginMs);
}
