// The idle hook runs when the event loop is about to wait, and a wake-up
// from another thread makes it run again without any timer.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <thread>

#include "platform/event_loop_idle.h"

namespace {

TEST(EventLoopIdle, HookRunsWhenTheLoopIsAboutToWait) {
    int passes = 0;
    platform::EventLoopIdleHook hook([&] { ++passes; });
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(passes, 1);
}

TEST(EventLoopIdle, WakeFromAnotherThreadRunsTheHookAgain) {
    QEventLoop loop;
    std::atomic<bool> woken{false};
    bool sawWake = false;
    std::thread waker;
    platform::EventLoopIdleHook hook([&] {
        if (!waker.joinable()) {
            waker = std::thread([&] {
                woken = true;
                platform::WakeEventLoop();
            });
        } else if (woken) {
            sawWake = true;
            loop.quit();
        }
    });
    // Only a guard: without the wake-up nothing else would end the wait.
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    waker.join();
    EXPECT_TRUE(sawWake);
}

TEST(EventLoopIdle, DestroyedHookStopsRunning) {
    int passes = 0;
    {
        platform::EventLoopIdleHook hook([&] { ++passes; });
    }
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(passes, 0);
}

}  // namespace
