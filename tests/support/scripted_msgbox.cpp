#include "support/scripted_msgbox.h"

#include <gtest/gtest.h>

#include "engine/msgbox_codes.h"
#include "platform/msgbox.h"

namespace testsupport {

ScriptedMsgBox::ScriptedMsgBox() {
    platform::SetMsgBoxHook([this](const std::string& prompt, int buttons, const std::string& title) {
        shown_.push_back({prompt, buttons, title});
        if (answers_.empty()) return engine::vbOK;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

ScriptedMsgBox::~ScriptedMsgBox() { InstallGuard(); }

void ScriptedMsgBox::InstallGuard() {
    platform::SetMsgBoxHook([](const std::string& prompt, int, const std::string& title) {
        ADD_FAILURE() << "unexpected message box \"" << prompt << "\" titled \"" << title << "\"";
        return engine::vbOK;
    });
}

}  // namespace testsupport
