// The real desktop's services.
#include "platform/desktop_services.h"

#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QString>
#include <QUrl>
#include <cstdio>

#include "platform/msgbox.h"

namespace platform {

DesktopServices::DesktopServices(std::function<void()> beforeEnd) : beforeEnd_(std::move(beforeEnd)) {}

MsgAnswer DesktopServices::MsgBox(const std::string& prompt, MsgButtons buttons, const std::string& title) {
    return ShowMessageBox(prompt, buttons, title);
}

int DesktopServices::RunFileDialog(QFileDialog& dialog) { return dialog.exec(); }

void DesktopServices::BeginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void DesktopServices::EndBusy() { QApplication::restoreOverrideCursor(); }

bool MailProgramSetUp() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(2000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool DesktopServices::OpenUrl(const std::string& url) {
    // Qt tells only that xdg-open started, not that a program took the
    // address, so where no mail program is set up it would report success.
    if (url.rfind("mailto:", 0) == 0 && !MailProgramSetUp()) return false;
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::StrictMode));
}

void DesktopServices::EndProcess() {
    if (beforeEnd_) beforeEnd_();
    std::fflush(nullptr);
    // No destructors and no further events: the program ends where it
    // stands, and its windows go with it.
    _exit(0);
}

}  // namespace platform
