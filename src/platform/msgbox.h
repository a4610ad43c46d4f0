#pragma once
// The message box the desktop services show: a prompt, a button set and a
// title, no icon; the standard buttons read in Japanese.
#include <string>

#include "platform/services.h"

namespace platform {

// Modal; returns the button pressed. Esc answers No in a Yes/No box.
MsgAnswer ShowMessageBox(const std::string& prompt, MsgButtons buttons, const std::string& title);

}  // namespace platform
