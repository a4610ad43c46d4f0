// The idle hook runs when the event loop is about to wait, and only while it lives.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

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
