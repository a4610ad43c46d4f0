// The message box of the real desktop: Qt's, without an icon.
#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/fixed_frame.h"

namespace platform {

MsgAnswer ShowMessageBox(const std::string& prompt, MsgButtons buttons, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowFlags(FixedFrameFlags(Qt::Dialog));
    KeepNormalState(&box);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        default: return MsgAnswer::Ok;
    }
}

}  // namespace platform
