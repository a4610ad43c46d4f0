// A frame without minimise, maximise or full screen, asked for through the
// window manager's hints, and a maximise that Wayland's title bar asks for
// taken back.
#include "platform/fixed_frame.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace platform {

Qt::WindowFlags FixedFrameFlags(Qt::WindowType type) {
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

void DeclineMaximiseOnWayland(QWidget* window) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    window->winId();
    QWindow* handle = window->windowHandle();
    if (!handle) return;
    // Direct: QWindow tells of the new state as it asks the compositor for
    // it, so the withdrawal follows in the same batch of requests.
    QObject::connect(handle, &QWindow::windowStateChanged, handle, [handle] {
        constexpr Qt::WindowStates kDeclined = Qt::WindowMaximized | Qt::WindowFullScreen;
        const Qt::WindowStates states = handle->windowStates();
        if (states & kDeclined) handle->setWindowStates(states & ~kDeclined);
    });
}

}  // namespace platform
