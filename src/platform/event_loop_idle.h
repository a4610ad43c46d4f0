#pragma once
// Work that runs whenever the UI thread's event loop has handled everything
// pending and is about to wait.
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

}  // namespace platform
