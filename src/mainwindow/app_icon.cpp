// The application icon, from the sizes compiled into the program.
#include "mainwindow/app_icon.h"

// Resources of a static library must be registered by hand.
static void RegisterIconResource() { Q_INIT_RESOURCE(app_icon); }

namespace mainwindow {

QIcon AppIcon() {
    RegisterIconResource();
    QIcon icon;
    for (const char* name :
         {"pernoka-16.png", "pernoka-24.png", "pernoka.ico", "pernoka-48.png", "pernoka-64.png", "pernoka-128.png"})
        icon.addFile(QStringLiteral(":/icons/") + QString::fromUtf8(name));
    return icon;
}

}  // namespace mainwindow
