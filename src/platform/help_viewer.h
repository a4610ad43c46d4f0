#pragma once
// The program's own help viewer: a small modeless window that shows an HTML
// help file and lives apart from the game. The window is named helpViewer,
// its browser helpBrowser.
#include <string>

namespace platform {

// Shows the file in the viewer, opening the viewer or bringing it forward.
// A file that cannot be read shows nothing and returns false.
bool ShowHelpFile(const std::string& path);

}  // namespace platform
