// A frame without minimise, maximise or full screen, on window managers
// that follow the hints and on those that do not.
#include "platform/fixed_frame.h"

#include <QEvent>
#include <QWidget>

namespace platform {
namespace {

class NormalStateKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        constexpr Qt::WindowStates kRefused = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
        if (event->type() == QEvent::WindowStateChange && window && (window->windowState() & kRefused)) {
            // Queued: the window system has not finished the change it is
            // telling of.
            QMetaObject::invokeMethod(
                window,
                [window] {
                    window->setWindowState(Qt::WindowNoState);
                    window->show();
                    window->raise();
                    window->activateWindow();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

Qt::WindowFlags FixedFrameFlags(Qt::WindowType type) {
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

void KeepNormalState(QWidget* window) { window->installEventFilter(new NormalStateKeeper(window)); }

}  // namespace platform
