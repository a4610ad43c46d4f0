// The mail link: how it looks, and the click on release over it.
#include "dialogs/mail_link.h"

#include <QMouseEvent>

#include "dialogs/pressable.h"

namespace dialogs {

MailLink::MailLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    OfferPressable(staticMetaObject, QAccessible::Link);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(palette);
    QFont font = this->font();
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
}

void MailLink::Press() { emit clicked(); }

void MailLink::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void MailLink::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) Press();
}

}  // namespace dialogs
