// Menu commands that open other windows or reach other subsystems.
#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "mainwindow/main_window.h"
#include "mainwindow/picture_select.h"
#include "mainwindow/picture_view.h"

namespace mainwindow {

void Form1::m2a_Click() { mainwindow::m2a_Click(state_, picture1_, this); }
void Form1::m2b_Click() { mainwindow::m2b_Click(state_, globals_, picture1_); }
void Form1::m2c_Click() { mainwindow::m2c_Click(state_, globals_, picture1_); }

void Form1::m3a_Click(int16_t Index) { sound::m3a_Click(Index, *this, state_.BgmOn, sound_, globals_.AppDir); }

void Form1::m6_Click() { ShowPictureView(picture1_); }

void Form1::m8_Click() { dialogs::m8_Click(state_, globals_); }

void Form1::m5a_Click() { dialogs::OpenHelp(globals_.AppDir); }

void Form1::m5b_Click() { dialogs::ShowAboutWindow(); }

}  // namespace mainwindow
