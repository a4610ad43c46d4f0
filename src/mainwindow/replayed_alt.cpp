// Only the keyboard's own Alt works the menu bar.
#include "mainwindow/replayed_alt.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace mainwindow {
namespace {

class ReplayedAltFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    // The menu bar arms its Alt toggle on the shortcut override that comes
    // before an Alt press. The keyboard's own press brings one stamped with
    // the window system's time; a press sent again, which carries no time,
    // brings one without, which is the one held back here. The press itself
    // still goes where it was going.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && !event->spontaneous()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta) && key->timestamp() == 0) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void IgnoreReplayedAlt(QObject* owner) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(new ReplayedAltFilter(owner));
}

}  // namespace mainwindow
