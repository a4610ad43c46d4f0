// Top-level windows' frames and a client area centred on the screen.
#include "platform/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform {
QMargins KnownFrame(const QWidget* window) {
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

QMargins ExpectedFrame(const QWidget* window) {
    if (!KnownFrame(window).isNull()) return QMargins();  // Qt already allows for it
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible()) continue;
        const QMargins frame = KnownFrame(other);
        if (frame.top() > 0) return frame;
    }
    return QMargins();
}

QRect FitCentred(QSize wanted, QMargins frame, QRect area) {
    const QSize room = area.size().shrunkBy(frame);
    const QSize size(std::max(1, std::min(wanted.width(), room.width())),
                     std::max(1, std::min(wanted.height(), room.height())));
    const QSize outer = size.grownBy(frame);
    const QPoint outerTopLeft(area.x() + (area.width() - outer.width()) / 2,
                              area.y() + (area.height() - outer.height()) / 2);
    return QRect(outerTopLeft + QPoint(frame.left(), frame.top()), size);
}

void PlaceFittedCentred(QWidget* window, QSize wanted) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    static_cast<void>(window->winId());
    const QMargins known = KnownFrame(window);
    const QRect client = FitCentred(wanted, known + ExpectedFrame(window), screen->availableGeometry());
    window->setMinimumSize(window->minimumSize().boundedTo(client.size()));
    window->resize(client.size());
    // A window is moved by its frame; until it is framed, that is its client
    // area.
    window->move(client.topLeft() - QPoint(known.left(), known.top()));
}

}  // namespace platform
