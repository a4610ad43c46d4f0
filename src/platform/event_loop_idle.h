#pragma once
// Work that runs whenever the UI thread's event loop has handled everything
// pending and is about to wait, and a way for another thread to make it pass
// once more.
#include <QMetaObject>

#include <functional>

namespace platform {

class EventLoopIdleHook {
public:
    // Does nothing when there is no QCoreApplication.
    explicit EventLoopIdleHook(std::function<void()> callback);
    ~EventLoopIdleHook();
    EventLoopIdleHook(const EventLoopIdleHook&) = delete;
    EventLoopIdleHook& operator=(const EventLoopIdleHook&) = delete;

private:
    QMetaObject::Connection connection_;
};

// Thread-safe: posts an empty queued call to the UI thread, so its event loop
// wakes, dispatches it and runs the idle hooks before it waits again.
void WakeEventLoop();

}  // namespace platform
