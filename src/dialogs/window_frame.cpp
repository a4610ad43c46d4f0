// The secondary windows' frame and their place in the middle of the screen.
#include "dialogs/window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "engine/texts.h"
#include "platform/fixed_frame.h"
#include "platform/twips.h"
#include "platform/window_placement.h"

namespace dialogs {

void SetFixedDialogFrame(QWidget* window, int clientWidthTwips, int clientHeightTwips) {
    window->setWindowFlags(platform::FixedFrameFlags(Qt::Dialog));
    window->setFixedSize(platform::TwipsToPixels(clientWidthTwips), platform::TwipsToPixels(clientHeightTwips));
    window->setWindowTitle(QString::fromUtf8(engine::text::kProgramTitle));
    platform::AnswerMaximiseOnWayland(window);
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    static_cast<void>(window->winId());
    const QRect area = screen->geometry();
    const QMargins frame = platform::ExpectedFrame(window);
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
