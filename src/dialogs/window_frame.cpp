#include "dialogs/window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "engine/game.h"
#include "platform/twips.h"

namespace dialogs {

void SetFixedDialogFrame(QWidget* window, int clientWidthTwips, int clientHeightTwips) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(platform::TwipsToPixels(clientWidthTwips), platform::TwipsToPixels(clientHeightTwips));
    window->setWindowTitle(QString::fromUtf8(engine::kProgramTitle));
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The frame is known once the window exists on the platform; before
    // that (and on X11 until the window manager has framed it) the outer
    // size is taken to be the client size.
    static_cast<void>(window->winId());
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    const float top = static_cast<float>(area.height()) / 2.0f - static_cast<float>(outer.height()) / 2.0f;
    const float left = static_cast<float>(area.width()) / 2.0f - static_cast<float>(outer.width()) / 2.0f;
    window->move(area.x() + static_cast<int>(std::nearbyint(left)), area.y() + static_cast<int>(std::nearbyint(top)));
}

void ShowOrBringForward(QWidget* window) {
    const bool alreadyShown = window->isVisible();
    window->show();
    if (alreadyShown) window->raise();
    window->activateWindow();
}

}  // namespace dialogs
