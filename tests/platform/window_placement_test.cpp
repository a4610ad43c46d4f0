// Fitting a window and its frame into a screen's free area, centred.
#include "platform/window_placement.h"

#include <gtest/gtest.h>

namespace {

using platform::FitCentred;

TEST(FitCentred, AWindowThatFitsKeepsItsSizeAndIsCentred) {
    const QRect area(0, 0, 1024, 768);
    const QMargins frame(2, 20, 2, 2);
    const QRect client = FitCentred(QSize(520, 600), frame, area);
    EXPECT_EQ(client.size(), QSize(520, 600));
    const QRect outer = client.marginsAdded(frame);
    EXPECT_EQ(outer.center(), area.center());
}

TEST(FitCentred, ALargerWindowShrinksToTheAreaFrameIncluded) {
    // A 1920 × 1200 screen at scale factor 2, less a panel of 30 pixels.
    const QRect area(0, 30, 960, 570);
    const QMargins frame(1, 24, 1, 1);
    const QRect client = FitCentred(QSize(520, 600), frame, area);
    EXPECT_EQ(client.width(), 520);
    EXPECT_EQ(client.height(), 570 - 25);
    EXPECT_TRUE(area.contains(client.marginsAdded(frame)));
    EXPECT_EQ(client.marginsAdded(frame).top(), 30);
}

TEST(FitCentred, TheAreaNeedNotStartAtTheOrigin) {
    const QRect area(1920, 100, 400, 300);  // a second, small screen
    const QRect client = FitCentred(QSize(520, 600), QMargins(), area);
    EXPECT_EQ(client, area);
}

}  // namespace
