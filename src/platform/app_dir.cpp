// The program's folder and the current folder.
#include "platform/app_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder.push_back('/');
    return folder;
}

std::string ProgramFolder() {
    // applicationFilePath() reads /proc/self/exe, which already names the
    // real file; canonicalPath() also resolves a linked folder above it.
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    QString folder = exe.canonicalPath();
    if (folder.isEmpty()) folder = exe.absolutePath();
    return WithTrailingSeparator(folder.toStdString());
}

void ChDir(const std::string& folder) { QDir::setCurrent(QString::fromStdString(folder)); }

}  // namespace platform
