// ペルノカ: starting the program reads its command line, then creates the
// main window and shows it.
#include <QApplication>
#include <cstdio>

#include "mainwindow/app_icon.h"
#include "mainwindow/command_line.h"
#include "mainwindow/main_window.h"
#include "platform/app_setup.h"
#include "platform/audio/audio.h"
#include "platform/clock_random.h"
#include "platform/desktop_services.h"
#include "platform/display_check.h"
#include "platform/fixed_frame.h"
#include "sound/sound.h"

int main(int argc, char** argv) {
    // Before the application: --help and --version need no display.
    const mainwindow::CommandLine command = mainwindow::ReadCommandLine(argc, argv);
    if (command.exitStatus) {
        std::fputs(command.out.c_str(), stdout);
        std::fputs(command.error.c_str(), stderr);
        return *command.exitStatus;
    }

    if (!platform::DisplayReachable()) return 1;

    // The arguments are read above, all of them: Qt is given none of its own
    // to find in a file name.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("pernoka"));
    QApplication::setApplicationVersion(QString::fromLatin1(mainwindow::ProgramVersion()));
    QGuiApplication::setDesktopFileName(QStringLiteral(PERNOKA_APP_ID));
    platform::PrepareJapaneseApplication();
    QApplication::setWindowIcon(mainwindow::AppIcon());

    // Threads: the audio engine's threads post into Qt, so audio must shut
    // down before QApplication goes. Both ways out do so: the process's end
    // through the services (Exit, closing the main window) shuts it down
    // before _exit, and a return from the event loop shuts it down below,
    // while `app` still lives.
    platform::DesktopServices services([] { platform::ShutdownAudio(); });
    std::unique_ptr<sound::Module1Sound> sound = sound::CreateSystemSound();
    platform::ClockRandom random;
    mainwindow::Form1 form1(*sound, random, services);
    form1.show();
    platform::AnswerMaximiseOnWayland(&form1);
    // A file named on the command line is the first choice of picture, made
    // before any game could start.
    if (command.pictureFile) form1.Pictures().ChooseFile(*command.pictureFile);
    const int status = app.exec();
    platform::ShutdownAudio();
    return status;
}
