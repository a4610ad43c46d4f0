#pragma once
// Shared set-up for the secondary-window tests: the Japanese font mapping,
// shell calls recorded instead of opened, and no window left behind.
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
#include "platform/shell.h"

namespace dialogs_test {

using ShellCall = std::pair<std::string, std::string>;

class DialogsTest : public testing::Test {
protected:
    void SetUp() override {
        platform::InstallJapaneseFonts();
        platform::SetShellHook([this](const std::string& operation, const std::string& target) {
            shellCalls.emplace_back(operation, target);
        });
    }

    void TearDown() override {
        CloseAndDelete(dialogs::OptionsWindowInstance());
        CloseAndDelete(dialogs::AboutWindowInstance());
        CloseAndDelete(mainwindow::PictureViewInstance());
        CloseAndDelete(platform::HelpViewerWindow());
        // Anything else would open a real mail program or viewer.
        platform::SetShellHook([](const std::string& operation, const std::string& target) {
            ADD_FAILURE() << "shell call outside a test: " << operation << " " << target;
        });
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

    static void CloseAndDelete(QWidget* window) {
        if (window) window->close();
        Settle();
    }

    std::vector<ShellCall> shellCalls;
};

}  // namespace dialogs_test
