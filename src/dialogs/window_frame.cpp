#include "dialogs/window_frame.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "engine/texts.h"
#include "platform/twips.h"

namespace dialogs {

void SetFixedDialogFrame(QWidget* window, int clientWidthTwips, int clientHeightTwips) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(platform::TwipsToPixels(clientWidthTwips), platform::TwipsToPixels(clientHeightTwips));
    window->setWindowTitle(QString::fromUtf8(engine::text::kProgramTitle));
}

namespace {

// The frame around the client area. On X11 it is known only once the window
// manager has framed the window; until then a window that is already framed
// (the main window) tells what it will be.
QMargins FrameOf(const QWidget* window) {
    const auto margins = [](const QWidget* w) {
        const QRect outer = w->frameGeometry(), inner = w->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    if (!margins(window).isNull()) return QMargins();  // Qt already allows for it
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible()) continue;
        const QMargins frame = margins(other);
        if (frame.top() > 0) return frame;
    }
    return QMargins();
}

}  // namespace

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    static_cast<void>(window->winId());
    const QRect area = screen->geometry();
    const QMargins frame = FrameOf(window);
    const QSize outer = window->frameGeometry().size().grownBy(frame);
    const float top = static_cast<float>(area.height()) / 2.0f - static_cast<float>(outer.height()) / 2.0f;
    const float left = static_cast<float>(area.width()) / 2.0f - static_cast<float>(outer.width()) / 2.0f;
    // Until the window is framed, Qt places its client area where asked.
    window->move(area.x() + static_cast<int>(std::nearbyint(left)) + frame.left(),
                 area.y() + static_cast<int>(std::nearbyint(top)) + frame.top());
}

void ShowOrBringForward(QWidget* window) {
    const bool alreadyShown = window->isVisible();
    window->show();
    if (alreadyShown) window->raise();
    window->activateWindow();
}

}  // namespace dialogs
