#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>

namespace testsupport {
namespace {

SeenFileDialog Look(const QFileDialog& dialog) {
    SeenFileDialog seen;
    seen.title = dialog.windowTitle();
    seen.directory = dialog.directory().absolutePath();
    seen.fileMode = dialog.fileMode();
    seen.acceptMode = dialog.acceptMode();
    seen.nameFilters = dialog.nameFilters();
    if (const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < types->count(); ++i) seen.shownTypes << types->itemText(i);
        seen.preselectedType = types->currentIndex();
    }
    return seen;
}

}  // namespace

FakeServices::~FakeServices() {
    if (busyDepth_ != 0) ADD_FAILURE() << "the wait cursor is still up";
}

platform::MsgAnswer FakeServices::MsgBox(const std::string& prompt, platform::MsgButtons buttons,
                                         const std::string& title) {
    if (!boxesExpected_) ADD_FAILURE() << "unexpected message box \"" << prompt << "\" titled \"" << title << "\"";
    shown_.push_back({prompt, buttons, title, Busy()});
    if (onBox_) onBox_();
    if (answers_.empty()) return platform::MsgAnswer::Ok;
    const platform::MsgAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int FakeServices::RunFileDialog(QFileDialog& dialog) {
    if (!dialogsExpected_) ADD_FAILURE() << "unexpected file dialog \"" << dialog.windowTitle().toStdString() << "\"";
    seenDialogs_.push_back(Look(dialog));
    seenDialogs_.back().busy = Busy();
    if (inspect_) inspect_(dialog);
    if (choice_.isEmpty()) return QDialog::Rejected;
    dialog.selectFile(choice_);
    return QDialog::Accepted;
}

void FakeServices::BeginBusy() {
    if (busyDepth_++ != 0) return;
    ++busyShown_;
    if (onBusy_) onBusy_(true);
}

void FakeServices::EndBusy() {
    if (busyDepth_ == 0) {
        ADD_FAILURE() << "the wait cursor ended without having come up";
        return;
    }
    if (--busyDepth_ == 0 && onBusy_) onBusy_(false);
}

}  // namespace testsupport
