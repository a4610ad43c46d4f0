// Test main for every test program: a headless QApplication with the
// program's Japanese set-up. Listing the cases needs no application.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/app_setup.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    platform::PrepareJapaneseApplication();
    return RUN_ALL_TESTS();
}
