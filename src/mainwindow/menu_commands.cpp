// The menu commands that open a window of their own: the file dialog, the
// picture view, the options and the about window.
#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "engine/texts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/picture_view.h"
#include "platform/services.h"

namespace mainwindow {

void Form1::m2a_Click() { pictures_.ChooseInDialog(this); }

void Form1::m6_Click() { Form2_.Get(this).Open(pictures_.Picture1()); }

void Form1::m8_Click() {
    if (game_.IsOn()) {
        services_.MsgBox(engine::text::kGameRunning, platform::MsgButtons::Ok, engine::text::kErrorTitle);
        return;
    }
    const bool opening = !frmOption_.get();
    dialogs::OptionsWindow& window = frmOption_.Get(services_, this);
    // The window checked the value against the same rule the game keeps.
    if (opening)
        connect(&window, &dialogs::OptionsWindow::clickSuChosen, this,
                [this](int value) { game_.StoreClickSu(value); });
    window.Open();
}

void Form1::m5b_Click() { frmAbout_.Get(services_, this).Open(); }

}  // namespace mainwindow
