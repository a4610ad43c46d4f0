#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "engine/msgbox_codes.h"

namespace platform {
namespace {

MsgBoxHook& Hook() {
    static MsgBoxHook hook;
    return hook;
}

}  // namespace

void SetMsgBoxHook(MsgBoxHook hook) { Hook() = std::move(hook); }

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    if (Hook()) return Hook()(prompt, buttons, title);

    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == engine::vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    switch (pressed) {
        case QMessageBox::Yes: return engine::vbYes;
        case QMessageBox::No: return engine::vbNo;
        default: return engine::vbOK;
    }
}

}  // namespace platform
