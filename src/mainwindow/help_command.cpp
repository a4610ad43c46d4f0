// The "help" command: the help file Tez.hlp of the program's folder, handed
// to the desktop's viewer for it. A missing file shows nothing, and the game
// is left as it was.
#include "engine/data_files.h"
#include "mainwindow/main_window.h"
#include "platform/services.h"

namespace mainwindow {

void Form1::m5a_Click() { services_.ShellExecuteOpen(game_.Shared().AppDir + engine::file::kHelp); }

}  // namespace mainwindow
