#pragma once
// The webcam: the system's default video input as it comes (no choice of
// device, resolution or frame rate). It is started and stopped by the capture
// window; its pictures arrive on a thread of the capture and are handed to
// the user-interface thread, where frame() gives the latest one. Only the
// latest picture counts: while one waits for the user-interface thread, a
// newer one replaces it rather than queueing behind it, and the capture never
// waits for the user-interface thread, so stopping can never hang on a frame.
// Tests put a fake camera in place of the device.
#include <QImage>
#include <QMutex>
#include <QObject>
#include <functional>
#include <memory>

class TCamera : public QObject {
    Q_OBJECT
public:
    enum class Start { Started, NoCamera, Failed };

    ~TCamera() override;

    // Starts the default camera; NoCamera when the machine has none.
    virtual Start start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    // On the user-interface thread: the latest picture of the running camera.
    void frame(const QImage& picture);
    // The camera failed while starting or running (unplugged, in use
    // elsewhere); it has stopped.
    void failed();

protected:
    explicit TCamera(QObject* parent = nullptr);
    // From any thread: a new picture of the camera.
    void deliver(const QImage& picture);
    // Pictures still on their way are dropped (after a stop).
    void dropPending();

private:
    void handOver();

    QMutex mutex_;
    QImage pending_;
    bool posted_ = false;
};

namespace Camera {

// The default camera, not yet started; a test's fake while one is set.
std::unique_ptr<TCamera> open();

using Factory = std::function<std::unique_ptr<TCamera>()>;
void setFactory(Factory factory);
void resetFactory();

}  // namespace Camera
