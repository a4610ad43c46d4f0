#pragma once
// Shared set-up for the secondary-window tests: the Japanese font mapping,
// the desktop played by the tests, and no window left behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "mainwindow/picture_view.h"
#include "platform/fonts.h"
#include "platform/help_viewer.h"
#include "support/fake_services.h"
#include "support/windows.h"

namespace dialogs_test {

using testsupport::ShellCall;

class DialogsTest : public testing::Test {
protected:
    void SetUp() override { platform::InstallJapaneseFonts(); }

    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets()) window->close();
        Settle();
    }

    // Lets queued events (posted keystrokes, deferred deletes) run.
    static void Settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void Activate(QWidget* window) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
        Settle();
    }

    const std::vector<ShellCall>& ShellCalls() const { return services.ShellCalls(); }

    testsupport::FakeServices services;
};

}  // namespace dialogs_test
