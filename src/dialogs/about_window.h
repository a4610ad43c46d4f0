#pragma once
// The about window frmAbout, with its four-frame logo, and the help command.
#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace dialogs {

class StretchedImage;
class MailLink;

inline constexpr const char* kAuthorMail = "pernoka@example.jp";
inline constexpr const char* kHelpFileName = "Tez.hlp";
inline constexpr int kLogoFrames = 4;
inline constexpr int kLogoIntervalMs = 700;

class AboutWindow : public QWidget {
public:
    AboutWindow();

    void Form_Load();
    void Timer1_Timer();
    void Label6_Click();
    void cmdAbout_Click();

    // The logo frame shown last, 0..4; 0 before the first tick.
    int16_t LogoFrame() const { return LogoFrame_; }
    const StretchedImage* imgLogoWk() const { return imgLogoWk_; }
    QLabel* Label6() const;
    QPushButton* cmdAbout() const { return cmdAbout_; }
    QTimer* Timer1() const { return Timer1_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int16_t LogoFrame_ = 0;
    std::array<QImage, kLogoFrames + 1> imgLogo_;  // elements 1..4
    StretchedImage* imgLogoWk_;
    MailLink* Label6_;
    QPushButton* cmdAbout_;
    QTimer* Timer1_;
};

// Logo frame 1..4 as stored with the window; a null image for other numbers.
QImage LogoPicture(int index);

// The "about..." command: loads the window if it is not open, otherwise only
// brings it forward.
AboutWindow* ShowAboutWindow();

// The open window, or nullptr.
AboutWindow* AboutWindowInstance();

// The "help" command: opens appDir + "Tez.hlp"; a missing file shows nothing.
void OpenHelp(const std::string& appDir);

}  // namespace dialogs
