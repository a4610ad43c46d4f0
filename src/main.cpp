// ペルノカ: starting the program creates the main window and shows it.
#include <QApplication>

#include "mainwindow/app_icon.h"
#include "mainwindow/main_window.h"
#include "platform/app_setup.h"
#include "platform/audio/audio.h"
#include "platform/clock_random.h"
#include "platform/desktop_services.h"
#include "sound/sound.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pernoka"));
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.example.pernoka"));
    platform::PrepareJapaneseApplication();
    QApplication::setWindowIcon(mainwindow::AppIcon());

    // The audio thread must be stopped before the process goes.
    platform::DesktopServices services([] { platform::ShutdownAudio(); });
    std::unique_ptr<sound::Module1Sound> sound = sound::CreateSystemSound();
    platform::ClockRandom random;
    mainwindow::Session session;
    mainwindow::Form1 form1(session, *sound, random, services);
    form1.show();
    const int status = app.exec();
    platform::ShutdownAudio();
    return status;
}
