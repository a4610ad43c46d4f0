// The board's announcements to a screen reader.
#include "mainwindow/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace mainwindow {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

QAccessibleInterface* NotificationFactory(const QString& className, QObject* object) {
    auto* announcer = qobject_cast<Announcer*>(object);
    if (!announcer || className != QLatin1String("mainwindow::Announcer")) return nullptr;
    return new QAccessibleWidget(announcer, QAccessible::Notification);
}

}  // namespace
#endif

Announcer::Announcer(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("announcer"));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static const bool installed = (QAccessible::installFactory(NotificationFactory), true);
    (void)installed;
    // A pixel that paints nothing and takes no click.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
#endif
    hide();
}

void Announcer::Say(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    QAccessible::updateAccessibility(&event);
#else
    setAccessibleName(text);
    hide();
    show();
#endif
}

}  // namespace mainwindow
