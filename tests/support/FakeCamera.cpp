#include "support/FakeCamera.h"

#include <thread>

FakeCamera::FakeCamera(Script& script) : script_(script) { script_.last = this; }

FakeCamera::~FakeCamera() {
    if (script_.last == this) script_.last = nullptr;
}

TCamera::Start FakeCamera::start() {
    ++script_.starts;
    if (!script_.connected) return Start::NoCamera;
    if (script_.fails) return Start::Failed;
    active_ = true;
    return Start::Started;
}

void FakeCamera::stop() {
    ++script_.stops;
    active_ = false;
    dropPending();
}

void FakeCamera::deliverFromThread(const QImage& picture) {
    std::thread capture([this, picture] { deliver(picture); });
    capture.join();
}

void FakeCamera::breakDown() {
    active_ = false;
    emit failed();
}
