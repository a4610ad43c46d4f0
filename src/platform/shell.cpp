#include "platform/shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "platform/help_viewer.h"

namespace platform {
namespace {

ShellHook& Hook() {
    static ShellHook hook;
    return hook;
}

}  // namespace

void SetShellHook(ShellHook hook) { Hook() = std::move(hook); }

void ShellExecuteOpen(const std::string& file) {
    if (Hook()) return Hook()("open", file);
    ShowHelpFile(file);
}

void OpenUrl(const std::string& url) {
    if (Hook()) return Hook()("url", url);
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::StrictMode));
}

}  // namespace platform
