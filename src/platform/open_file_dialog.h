#pragma once
// The system's open-file dialog, on Qt's QFileDialog so it follows the desktop.
#include <functional>
#include <string>

class QFileDialog;
class QWidget;

namespace platform {

// Asks for one existing file in a modal dialog titled title, starting in the
// folder initialDir, and returns the file's full path (UTF-8, no length
// limit), or "" when the dialog is cancelled.
//
// filter lists the file types as description/pattern pairs, each field
// followed by a NUL and the whole list by one more; a pattern may join
// several by ';'. The types keep their order, the first is preselected and
// the descriptions are shown as given. Patterns match regardless of letter
// case, and "*.jpg" also takes the other spelling, "*.jpeg".
std::string OpenFileDlg(QWidget* owner, const std::string& filter, const std::string& initialDir,
                        const std::string& title);

// Lets tests play the user: the hook receives the dialog fully set up but
// never shown, and returns what exec() would (QDialog::Accepted after
// choosing a file, or QDialog::Rejected). An empty hook restores the real dialog.
using OpenFileDlgHook = std::function<int(QFileDialog& dialog)>;
void SetOpenFileDlgHook(OpenFileDlgHook hook);

}  // namespace platform
