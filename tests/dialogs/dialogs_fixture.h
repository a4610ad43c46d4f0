#pragma once
// Shared set-up for the secondary-window tests: the Japanese font mapping,
// the desktop played by the tests, and no window left behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "dialogs/owned_window.h"
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
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        Settle();
    }

    const std::vector<ShellCall>& ShellCalls() const { return services.ShellCalls(); }

    // Each window as the main window keeps it: made at its opening, then
    // brought forward until it is closed. What "ＯＫ" of the options window
    // stores goes to clickSu.
    dialogs::OptionsWindow* ShowOptions() {
        const bool opening = !options.get();
        dialogs::OptionsWindow& window = options.Get(services);
        if (opening)
            QObject::connect(&window, &dialogs::OptionsWindow::clickSuChosen, [this](int value) { clickSu = value; });
        window.Open();
        return &window;
    }
    dialogs::AboutWindow* ShowAbout() {
        about.Get(services).Open();
        return about.get();
    }
    mainwindow::PictureView* ShowView(const QImage& picture1) {
        view.Get().Open(picture1);
        return view.get();
    }

    testsupport::FakeServices services;
    int clickSu = 15;
    dialogs::OwnedWindow<dialogs::OptionsWindow> options;
    dialogs::OwnedWindow<dialogs::AboutWindow> about;
    dialogs::OwnedWindow<mainwindow::PictureView> view;
};

}  // namespace dialogs_test
