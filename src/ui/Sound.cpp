#include "ui/Sound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>

namespace {

// One player for the whole program, made on the first sound and freed with
// the application.
class Speaker : public QObject {
public:
    explicit Speaker(QObject* parent) : QObject(parent) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
        player_->setLoops(1);
        // A file the player cannot decode ends here, quietly.
        connect(player_, &QMediaPlayer::errorOccurred, player_, &QMediaPlayer::stop);
    }

    void play(const QString& path) {
        player_->stop();
        output_->setDevice(QMediaDevices::defaultAudioOutput());
        player_->setSource(QUrl::fromLocalFile(path));
        if (player_->error() == QMediaPlayer::NoError) player_->play();
    }

    void stop() { player_->stop(); }

private:
    QMediaPlayer* player_;
    QAudioOutput* output_;
};

QPointer<Speaker> g_speaker;

Speaker* speaker(bool make) {
    if (!g_speaker && make && QCoreApplication::instance()) g_speaker = new Speaker(QCoreApplication::instance());
    return g_speaker;
}

void playOnSpeaker(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) return;
    if (QMediaDevices::audioOutputs().isEmpty()) return;  // nowhere to play it
    if (Speaker* s = speaker(true)) s->play(file.absoluteFilePath());
}

void stopSpeaker() {
    if (Speaker* s = speaker(false)) s->stop();
}

Sound::Handler& handler() {
    static Sound::Handler h;
    return h;
}

}  // namespace

namespace Sound {

void play(const QString& path) {
    if (handler()) {
        handler()({Request::Kind::Play, path});
        return;
    }
    playOnSpeaker(path);
}

void stop() {
    if (handler()) {
        handler()({Request::Kind::Stop, QString()});
        return;
    }
    stopSpeaker();
}

void setHandler(Handler h) { handler() = std::move(h); }
void resetHandler() { handler() = nullptr; }

}  // namespace Sound
