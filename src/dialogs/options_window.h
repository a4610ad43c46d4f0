#pragma once
// The options window frmOption: edits ClickSu, the moves allowed per grid
// step before the board reshuffles itself. One modeless instance at a time.
#include <QWidget>
#include <cstdint>

#include "engine/game_state.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dialogs {

inline constexpr const char* kGameRunningMessage = "ゲームが開始されていますので選択できません。";
inline constexpr const char* kClickSuRangeMessage = "1から99までの数字を入力して下さい。";
inline constexpr const char* kErrorTitle = "エラー";

class OptionsWindow : public QWidget {
public:
    explicit OptionsWindow(engine::Globals& globals);
    ~OptionsWindow() override;

    void Form_Load();
    // KeyAscii is the character code of the key; it is passed on unchanged.
    void Form_KeyPress(int16_t& KeyAscii);
    void txtClickSu_LostFocus();
    void cmdOK_Click();

    QLineEdit* txtClickSu() const { return txtClickSu_; }
    QPushButton* cmdOK() const { return cmdOK_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SendTab();

    engine::Globals& globals_;
    QLabel* Label1_;
    QLabel* Label3_;
    QLineEdit* txtClickSu_;
    QLabel* Label2_;
    QPushButton* cmdOK_;
};

// The "ｵﾌﾟｼｮﾝ" command: refused while a game is on (ShuffleLimit > 0),
// otherwise shows the options window.
void m8_Click(const engine::GameState& state, engine::Globals& globals);

// Shows the window, loading it first if it is not open; an open window is
// only brought forward and keeps what its box holds.
OptionsWindow* ShowOptionsWindow(engine::Globals& globals);

// The open window, or nullptr.
OptionsWindow* OptionsWindowInstance();

}  // namespace dialogs
