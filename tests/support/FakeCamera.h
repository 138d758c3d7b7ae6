#pragma once
// A webcam for tests: it starts only when the test says one is connected,
// counts its starts and stops, and delivers pictures from a thread of its
// own, as a real capture does.
#include <QImage>

#include "ui/Camera.h"

class FakeCamera : public TCamera {
    Q_OBJECT
public:
    struct Script {
        bool connected = false;
        bool fails = false;  // connected, but in use elsewhere
        int starts = 0;
        int stops = 0;
        FakeCamera* last = nullptr;  // the camera made last, while it lives
    };

    explicit FakeCamera(Script& script);
    ~FakeCamera() override;

    Start start() override;
    void stop() override;
    bool isActive() const override { return active_; }

    // A picture from the capture's thread; it reaches frame() on the
    // user-interface thread once events are processed.
    void deliverFromThread(const QImage& picture);
    // The camera breaks down while running.
    void breakDown();

private:
    Script& script_;
    bool active_ = false;
};
