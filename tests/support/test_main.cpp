// Test main for every test program: a headless QApplication, and message
// boxes answered by a script instead of waiting on a real modal box.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/app_setup.h"
#include "support/scripted_msgbox.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    platform::PrepareJapaneseApplication();
    testing::InitGoogleTest(&argc, argv);
    testsupport::ScriptedMsgBox::InstallGuard();
    return RUN_ALL_TESTS();
}
