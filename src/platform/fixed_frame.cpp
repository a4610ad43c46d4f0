// A frame without minimise, maximise or full screen, asked for through the
// window manager's hints, and a maximise that Wayland's title bar asks for
// answered as the compositor expects.
#include "platform/fixed_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

constexpr Qt::WindowStates kDeclined = Qt::WindowMaximized | Qt::WindowFullScreen;

// Keeps a window at its size in the normal state, while letting it take
// whatever size a maximised or full-screen state comes with.
class NormalSizeKeeper : public QObject {
public:
    NormalSizeKeeper(QWidget* window, QSize size) : QObject(window), size_(size) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Resize && !(States(window) & kDeclined) && window->size() != size_)
            window->resize(size_);
        return false;
    }

private:
    // The state as the platform last told it: Qt 6.11 resizes a widget for
    // a maximise before the widget itself learns of the new state.
    static Qt::WindowStates States(const QWidget* window) {
        const QWindow* handle = window->windowHandle();
        return handle ? handle->windowStates() : window->windowState();
    }

    QSize size_;
};

// Lets a window fixed at its size grow to whatever a maximised or
// full-screen state comes with; false for a window not fixed (yet).
bool LetGrow(QWidget* window) {
    const QSize size = window->maximumSize();
    if (size != window->minimumSize()) return false;
    if (QLayout* layout = window->layout()) layout->setSizeConstraint(QLayout::SetMinimumSize);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->installEventFilter(new NormalSizeKeeper(window, size));
    return true;
}

// For a window that fixes its size as it is shown (a message box): once its
// first show has been handled.
class GrowOnceShown : public QObject {
public:
    explicit GrowOnceShown(QWidget* window) : QObject(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this, window = static_cast<QWidget*>(watched)] {
                    LetGrow(window);
                    deleteLater();
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

void AnswerMaximiseOnWayland(QWidget* window) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    // A maximised or full-screen window must take exactly the size the
    // compositor configures, which a fixed size never does: the window is
    // let grow, its contents staying as they are, and kept at its own size
    // whenever it is in the normal state (a client chooses its size there,
    // so a resize from the title bar's edges ends where it started). Taking
    // the state back at once would have the window shrink before the
    // compositor has withdrawn it, which ends the connection all the same.
    // A message box fixes its size only as it is shown: it is let grow once
    // that is done.
    if (!LetGrow(window)) window->installEventFilter(new GrowOnceShown(window));
}

}  // namespace platform
