#pragma once
// Shared set-up for the secondary-window tests: the Japanese font mapping,
// the desktop played by the tests, and no window left behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <memory>
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

    // Each window as the main window keeps it: made at its first opening,
    // then opened again or brought forward. What "ＯＫ" of the options window
    // stores goes to clickSu.
    dialogs::OptionsWindow* ShowOptions() {
        if (!options) {
            options = std::make_unique<dialogs::OptionsWindow>(services);
            QObject::connect(options.get(), &dialogs::OptionsWindow::clickSuChosen,
                             [this](int value) { clickSu = value; });
        }
        options->Open();
        return options.get();
    }
    dialogs::AboutWindow* ShowAbout() {
        if (!about) about = std::make_unique<dialogs::AboutWindow>(services);
        about->Open();
        return about.get();
    }
    mainwindow::PictureView* ShowView(const QImage& picture1) {
        if (!view) view = std::make_unique<mainwindow::PictureView>();
        view->Open(picture1);
        return view.get();
    }

    testsupport::FakeServices services;
    int clickSu = 15;
    std::unique_ptr<dialogs::OptionsWindow> options;
    std::unique_ptr<dialogs::AboutWindow> about;
    std::unique_ptr<mainwindow::PictureView> view;
};

}  // namespace dialogs_test
