// The message box of the real desktop: Qt's, without an icon.
#include "platform/msgbox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>

#include "platform/fixed_frame.h"
#include "platform/window_placement.h"

namespace platform {
namespace {

// Room for the whole title in the window manager's title bar, which also
// holds an icon and two or three buttons about as wide as the bar is high,
// in a bold face like the desktop's title font. Openbox cuts a title that
// does not fit, and a box's text is often shorter than its title.
void MakeRoomForTitle(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const int titleBar = std::max(ExpectedFrame(&box).top(), QFontMetrics(bold).height() + 8);
    const int wanted = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 5 * titleBar;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    // QMessageBox sizes itself from its layout whatever minimum it is given.
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

MsgAnswer ShowMessageBox(const std::string& prompt, MsgButtons buttons, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowFlags(FixedFrameFlags(Qt::Dialog));
    // What a box tells can be copied, as an address to write to.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    MakeRoomForTitle(box);
    AnswerMaximiseOnWayland(&box);
    switch (box.exec()) {
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        default: return MsgAnswer::Ok;
    }
}

}  // namespace platform
