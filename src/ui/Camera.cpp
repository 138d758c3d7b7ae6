#include "ui/Camera.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMetaObject>
#include <QPointer>
#include <QVideoFrame>
#include <QVideoSink>

TCamera::TCamera(QObject* parent) : QObject(parent) {}
TCamera::~TCamera() = default;

void TCamera::deliver(const QImage& picture) {
    QMutexLocker lock(&mutex_);
    pending_ = picture;
    if (posted_) return;  // the waiting hand-over will take this newer picture
    posted_ = true;
    QMetaObject::invokeMethod(this, &TCamera::handOver, Qt::QueuedConnection);
}

void TCamera::dropPending() {
    QMutexLocker lock(&mutex_);
    pending_ = QImage();
}

void TCamera::handOver() {
    QImage picture;
    {
        QMutexLocker lock(&mutex_);
        posted_ = false;
        picture = std::move(pending_);
        pending_ = QImage();
    }
    if (!picture.isNull() && isActive()) emit frame(picture);
}

namespace {

// The system's default video input through the toolkit's media framework.
class SystemCamera : public TCamera {
public:
    SystemCamera() = default;
    ~SystemCamera() override { stop(); }

    Start start() override {
        if (camera_) return Start::Started;
        const QCameraDevice device = QMediaDevices::defaultVideoInput();
        if (device.isNull()) return Start::NoCamera;
        camera_ = new QCamera(device, this);
        session_ = new QMediaCaptureSession(this);
        sink_ = new QVideoSink(this);
        session_->setCamera(camera_);
        session_->setVideoSink(sink_);
        // Frames come on the capture's thread: converted there, handed over.
        connect(
            sink_, &QVideoSink::videoFrameChanged, this,
            [this](const QVideoFrame& f) {
                const QImage picture = f.toImage();
                if (!picture.isNull()) deliver(picture);
            },
            Qt::DirectConnection);
        connect(camera_, &QCamera::errorOccurred, this, [this](QCamera::Error error, const QString&) {
            if (error == QCamera::NoError) return;
            stop();
            emit failed();
        });
        camera_->start();
        if (camera_ && camera_->error() != QCamera::NoError) {
            stop();
            return Start::Failed;
        }
        return Start::Started;
    }

    void stop() override {
        if (!camera_) return;
        QCamera* camera = camera_;
        camera_ = nullptr;
        camera->stop();
        session_->setVideoSink(nullptr);
        session_->setCamera(nullptr);
        dropPending();
        delete session_;
        delete sink_;
        delete camera;
        session_ = nullptr;
        sink_ = nullptr;
    }

    bool isActive() const override { return camera_ != nullptr; }

private:
    QCamera* camera_ = nullptr;
    QMediaCaptureSession* session_ = nullptr;
    QVideoSink* sink_ = nullptr;
};

Camera::Factory& factory() {
    static Camera::Factory f;
    return f;
}

}  // namespace

namespace Camera {

std::unique_ptr<TCamera> open() {
    if (factory()) return factory()();
    return std::make_unique<SystemCamera>();
}

void setFactory(Factory f) { factory() = std::move(f); }
void resetFactory() { factory() = nullptr; }

}  // namespace Camera
