// The audio thread's side of the player: decodes each clip the first time it
// is asked for, and keeps one stream at a time to the sound output.
#pragma once

#include "sound.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>

#include <array>
#include <memory>

class QAudioSink;
class QTimer;

class TSoundWorker : public QObject {
    Q_OBJECT
public:
    TSoundWorker();
    ~TSoundWorker() override;

    // Cuts short whatever is playing and starts the clip; does nothing when
    // there is no output device or the clip cannot be read.
    void Play(TSoundClip clip);
    // Ends the current stream, if any.
    void StopPlaying();

private:
    struct TPcmClip {
        bool Loaded = false;
        QAudioFormat Format;
        QByteArray Pcm; // 16-bit samples in the format above
        int Milliseconds = 0;
    };

    const TPcmClip& Clip(TSoundClip clip);
    bool HaveOutput();

    std::array<TPcmClip, SoundClipCount> clips_;
    bool probed_ = false;
    // The buffer outlives the sink that reads it: members die in reverse order.
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
    // Closes the stream once its clip has been heard, so that an idle stream
    // does not keep the output device busy.
    QTimer* release_ = nullptr;
};
