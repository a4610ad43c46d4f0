#pragma once
// Closes the audio device once nothing has sounded for a while. Armed when
// the event loop goes idle with nothing playing; one single-shot timer, no
// polling.
#include <QTimer>

#include <chrono>
#include <functional>

#include "platform/event_loop_idle.h"

namespace platform::audio {

class IdleCloser {
public:
    // isIdle: the device is open and nothing plays. close: closes it.
    IdleCloser(std::function<bool()> isIdle, std::function<void()> close);

    static void SetDelay(std::chrono::milliseconds delay);

private:
    void OnLoopIdle();
    void OnTimeout();

    std::function<bool()> isIdle_;
    std::function<void()> close_;
    QTimer timer_;
    EventLoopIdleHook hook_;
};

}  // namespace platform::audio
