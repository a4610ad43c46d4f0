#pragma once
// The one message box of the program: prompt, button style, title, and the
// answer pressed. No icon; standard buttons read in Japanese.
#include <functional>
#include <string>

namespace platform {

// Button styles and answers carry the original's numbers (vbOKOnly = 0,
// vbYesNo = 4; vbOK = 1, vbYes = 6, vbNo = 7).
int MsgBox(const std::string& prompt, int buttons, const std::string& title);

// Tests answer message boxes through a hook instead of a real modal box.
using MsgBoxHook = std::function<int(const std::string& prompt, int buttons, const std::string& title)>;
void SetMsgBoxHook(MsgBoxHook hook);

}  // namespace platform
