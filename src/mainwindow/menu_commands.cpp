// Menu commands that open other windows or reach other subsystems.
#include "engine/msgbox_codes.h"
#include "mainwindow/main_window.h"
#include "platform/msgbox.h"

namespace mainwindow {

void Form1::m2a_Click() {}
void Form1::m2b_Click() {}
void Form1::m2c_Click() {}

void Form1::m3a_Click(int16_t Index) {
    m3a_[0]->setChecked(false);
    m3a_[1]->setChecked(false);
    m3a_[Index]->setChecked(true);
    state_.BgmOn = Index == 0 ? 1 : 0;
}

void Form1::m6_Click() {}

void Form1::m8_Click() {
    if (state_.ShuffleLimit > 0) {
        platform::MsgBox("ゲームが開始されていますので選択できません。", engine::vbOKOnly, "エラー");
        return;
    }
}

void Form1::m5a_Click() {}
void Form1::m5b_Click() {}

}  // namespace mainwindow
