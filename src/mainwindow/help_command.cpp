// The "help" command: the help file Tez.hlp of the program's folder in the
// help viewer, which runs on its own beside the game. A missing file shows
// nothing, and the game is left as it was.
#include "engine/data_files.h"
#include "mainwindow/main_window.h"
#include "platform/help_viewer.h"

namespace mainwindow {

void Form1::m5a_Click() {
    const std::string file = game_.Shared().AppDir + engine::file::kHelp;
    // Not even an empty viewer for a file that is not there.
    if (!platform::IsReadableFile(file)) return;
    helpViewer_.Get().Show(file);
}

}  // namespace mainwindow
