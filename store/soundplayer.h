// The audio output behind the play operations.  Clips play on an audio
// thread of the player's own, so that no play call ever waits on the sound
// server: opening a stream takes a round trip to it, and a busy or hung
// server would otherwise stall the game's window.
#pragma once

#include "sound.h"

#include <QObject>
#include <QThread>

class TSoundWorker;

class TSoundPlayer : public QObject {
    Q_OBJECT
public:
    // Hands the clip to the audio thread and returns at once.  The player is
    // made on first use as a child of the application, and stops its thread
    // when the application goes; without an application nothing plays.
    static void Play(TSoundClip clip);
    // Waits until the audio thread has handled every clip posted so far.
    static void Flush();

    ~TSoundPlayer() override;

private:
    explicit TSoundPlayer(QObject* parent);

    QThread thread_;
    TSoundWorker* worker_; // lives on thread_, which deletes it as it finishes
};
