#include "dialogs/mail_link.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace dialogs {
namespace {

class MailLinkAccessible final : public QAccessibleWidget {
public:
    explicit MailLinkAccessible(MailLink* link) : QAccessibleWidget(link, QAccessible::Link) {}

    // The label's text unless a name was given; the description is the
    // tooltip, as for any widget.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const MailLink*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) static_cast<MailLink*>(widget())->Activate();
    }
};

QAccessibleInterface* MailLinkFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(MailLink::staticMetaObject.className())) return nullptr;
    auto* link = qobject_cast<MailLink*>(object);
    return link ? new MailLinkAccessible(link) : nullptr;
}

}  // namespace

MailLink::MailLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(MailLinkFactory);
        return true;
    }();
    static_cast<void>(accessible);

    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(palette);
    QFont font = this->font();
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
}

void MailLink::Activate() {
    if (onClick_) onClick_();
}

void MailLink::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void MailLink::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) Activate();
}

}  // namespace dialogs
