#pragma once
// What the program hands to the desktop: the help file to open, and the
// author's mailto: address. Neither result is looked at.
#include <functional>
#include <string>

namespace platform {

// "open" on a document. The only document the program opens is its help
// file, which is shown in the program's own help viewer.
void ShellExecuteOpen(const std::string& file);

// Gives a URL to the desktop's handler for it; a mailto: address opens a new
// message in the user's mail program. No command line is built.
void OpenUrl(const std::string& url);

// Tests record the calls here instead of opening anything. The operation is
// "open" for ShellExecuteOpen and "url" for OpenUrl.
using ShellHook = std::function<void(const std::string& operation, const std::string& target)>;
void SetShellHook(ShellHook hook);

}  // namespace platform
