#pragma once
// The options window frmOption: edits ClickSu, the moves allowed per grid
// step before the board reshuffles itself. One modeless instance at a time.
// Its controls carry their design names as object names (txtClickSu, cmdOK,
// and the box's caption Label3).
#include <QDialog>
#include <cstdint>

#include "engine/game_state.h"

class QLineEdit;
class QPushButton;

namespace platform {
class Services;
}

namespace dialogs {

class OptionsWindow : public QDialog {
public:
    OptionsWindow(engine::Globals& globals, platform::Services& services);
    ~OptionsWindow() override;

    void Form_Load();
    // KeyAscii is the character code of the key; it is passed on unchanged.
    void Form_KeyPress(int16_t& KeyAscii);
    void txtClickSu_LostFocus();
    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    // ＯＫ is neither the default nor the cancel button: Enter presses it
    // only when it has the focus, and Esc does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SendTab();

    engine::Globals& globals_;
    platform::Services& services_;
    QLineEdit* txtClickSu_;
    QPushButton* cmdOK_;
};

// The "ｵﾌﾟｼｮﾝ" command: refused while a game is on (ShuffleLimit > 0),
// otherwise shows the options window.
void m8_Click(const engine::GameState& state, engine::Globals& globals, platform::Services& services);

// Shows the window, loading it first if it is not open; an open window is
// only brought forward and keeps what its box holds.
OptionsWindow* ShowOptionsWindow(engine::Globals& globals, platform::Services& services);

}  // namespace dialogs
