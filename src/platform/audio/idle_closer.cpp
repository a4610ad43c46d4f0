#include "platform/audio/idle_closer.h"

#include <atomic>

#include "platform/audio/audio.h"

namespace platform::audio {
namespace {

// Long enough that the clicks of a game played with the music off do not
// open and close the device over and over.
std::atomic<int> delayMilliseconds{5000};

}  // namespace

IdleCloser::IdleCloser(std::function<bool()> isIdle, std::function<void()> close)
    : isIdle_(std::move(isIdle)), close_(std::move(close)), hook_([this] { OnLoopIdle(); }) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { OnTimeout(); });
}

void IdleCloser::SetDelay(std::chrono::milliseconds delay) { delayMilliseconds = static_cast<int>(delay.count()); }

void IdleCloser::OnLoopIdle() {
    if (!timer_.isActive() && isIdle_()) timer_.start(delayMilliseconds.load());
}

void IdleCloser::OnTimeout() {
    // Something started meanwhile: the next idle pass after it ends re-arms.
    if (isIdle_()) close_();
}

}  // namespace platform::audio

namespace platform {

void SetAudioIdleCloseDelay(int milliseconds) { audio::IdleCloser::SetDelay(std::chrono::milliseconds(milliseconds)); }

}  // namespace platform
