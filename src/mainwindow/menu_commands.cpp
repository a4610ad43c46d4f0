// Menu commands that open other windows or reach other subsystems.
#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "mainwindow/main_window.h"
#include "mainwindow/picture_select.h"
#include "mainwindow/picture_view.h"

namespace mainwindow {

void Form1::m2a_Click() { mainwindow::m2a_Click(session_, services_, this); }
void Form1::m2b_Click() { mainwindow::m2b_Click(session_, services_); }
void Form1::m2c_Click() { mainwindow::m2c_Click(session_, services_); }

void Form1::m3a_Click(int16_t Index) {
    sound::m3a_Click(Index, *this, session_.state.BgmOn, sound_, session_.globals.AppDir);
}

void Form1::m6_Click() { ShowPictureView(session_.picture1); }

void Form1::m8_Click() { dialogs::m8_Click(session_.state, session_.globals, services_); }

void Form1::m5a_Click() { dialogs::OpenHelp(session_.globals.AppDir, services_); }

void Form1::m5b_Click() { dialogs::ShowAboutWindow(services_); }

}  // namespace mainwindow
