// The one accessible interface of the widgets that act on a press.
#include "dialogs/pressable.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMetaObject>
#include <vector>

namespace dialogs {
namespace {

struct Offer {
    const QMetaObject* widgetClass;
    QAccessible::Role role;
    bool (*offered)(QObject*);
};

// The classes offered, read by the one factory; UI thread only.
std::vector<Offer>& Offers() {
    static std::vector<Offer> offers;
    return offers;
}

class PressableAccessible final : public QAccessibleWidget {
public:
    PressableAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto* label = qobject_cast<const QLabel*>(widget())) return label->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::Link) state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) QMetaObject::invokeMethod(widget(), "Press", Qt::DirectConnection);
    }
};

QAccessibleInterface* PressableFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    for (const Offer& offer : Offers()) {
        if (className != QLatin1String(offer.widgetClass->className())) continue;
        if (offer.offered && !offer.offered(object)) return nullptr;
        return new PressableAccessible(widget, offer.role);
    }
    return nullptr;
}

}  // namespace

void OfferPressable(const QMetaObject& widgetClass, QAccessible::Role role, bool (*offered)(QObject*)) {
    std::vector<Offer>& offers = Offers();
    for (const Offer& offer : offers)
        if (offer.widgetClass == &widgetClass) return;
    if (offers.empty()) QAccessible::installFactory(PressableFactory);
    offers.push_back({&widgetClass, role, offered});
}

}  // namespace dialogs
