#pragma once
// Widgets that act on a press, as assistive tools see them: one action, the
// press, which is the widget's own Press(); a label's text names it where no
// other name is given. The board's tiles and the mail link are such widgets.
#include <QAccessible>

class QObject;
struct QMetaObject;

namespace dialogs {

// Offers every widget of the class (a QWidget with a Q_INVOKABLE Press())
// that passes `offered` (every one when it is null) to assistive tools in
// the role given. Safe to call more than once.
void OfferPressable(const QMetaObject& widgetClass, QAccessible::Role role, bool (*offered)(QObject*) = nullptr);

}  // namespace dialogs
