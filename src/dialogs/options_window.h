#pragma once
// The options window frmOption: edits ClickSu, the moves allowed per grid
// step before the board reshuffles itself. The main window keeps the one
// modeless instance and stores what it is given. Its controls carry their
// design names as object names (txtClickSu, cmdOK, and the box's caption
// Label3).
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace platform {
class Services;
}

namespace dialogs {

class OptionsWindow : public QDialog {
    Q_OBJECT

public:
    // owner, the main window, keeps the window above it (transient for
    // it) without blocking it; none in a window of its own.
    explicit OptionsWindow(platform::Services& services, QWidget* owner = nullptr);

    // Loads the window if it is not open, otherwise only brings it forward,
    // keeping what its box holds.
    void Open();

    void Form_Load();
    void txtClickSu_LostFocus();
    void cmdOK_Click();

signals:
    // "ＯＫ" with a number of 1 to 99 in the box.
    void clickSuChosen(int value);

protected:
    // ＯＫ is neither the default nor the cancel button: Enter presses it
    // only when it has the focus, and Esc does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    platform::Services& services_;
    QLineEdit* txtClickSu_;
    QPushButton* cmdOK_;
};

}  // namespace dialogs
