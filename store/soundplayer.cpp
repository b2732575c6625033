#include "soundplayer.h"

#include "soundworker.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
QPointer<TSoundPlayer> player;
}

TSoundPlayer::TSoundPlayer(QObject* parent) : QObject(parent), worker_(new TSoundWorker) {
    thread_.setObjectName(QStringLiteral("Sound"));
    worker_->moveToThread(&thread_);
    // The worker's stream must be closed on the thread that opened it.
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

TSoundPlayer::~TSoundPlayer() {
    thread_.quit();
    thread_.wait();
}

void TSoundPlayer::Play(TSoundClip clip) {
    if (!player) {
        QCoreApplication* application = QCoreApplication::instance();
        if (!application)
            return;
        player = new TSoundPlayer(application);
    }
    TSoundWorker* worker = player->worker_;
    QMetaObject::invokeMethod(
        worker, [worker, clip] { worker->Play(clip); }, Qt::QueuedConnection);
}

void TSoundPlayer::Flush() {
    if (player)
        QMetaObject::invokeMethod(
            player->worker_, [] {}, Qt::BlockingQueuedConnection);
}
