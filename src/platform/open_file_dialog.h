#pragma once
// The system's open-file dialog, on Qt's QFileDialog so it follows the desktop.
#include <string>

class QWidget;

namespace platform {

class Services;

// Asks for one existing file in a modal dialog titled title, starting in the
// folder initialDir, and returns the file's full path, or "" when the dialog
// is cancelled. Both paths are the file system's bytes (QFile::encodeName),
// with no length limit; filter and title are UTF-8.
//
// filter lists the file types as description/pattern pairs, each field
// followed by a NUL and the whole list by one more; a pattern may join
// several by ';'. The types keep their order, the first is preselected and
// the descriptions are shown as given. Patterns match regardless of letter
// case, and "*.jpg" also takes the other spelling, "*.jpeg".
//
// The dialog is run by services, which show it to the player.
std::string OpenFileDlg(Services& services, QWidget* owner, const std::string& filter, const std::string& initialDir,
                        const std::string& title);

}  // namespace platform
