#pragma once
// The about window frmAbout, with its four-frame logo and the mail link. The
// main window keeps the one modeless instance. Its controls carry their
// design names as object names (imgLogoWk, Label6, cmdAbout, Timer1).
#include <QDialog>
#include <QImage>
#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;

namespace platform {
class Services;
}

namespace dialogs {

class StretchedImage;
class MailLink;

// The build gives the address (packaging/address.conf).
inline constexpr const char* kAuthorMail = PERNOKA_MAIL;
inline constexpr int kLogoFrames = 4;
inline constexpr int kLogoIntervalMs = 700;

class AboutWindow : public QDialog {
public:
    // owner, the main window, keeps the window above it (transient for
    // it) without blocking it; none in a window of its own.
    explicit AboutWindow(platform::Services& services, QWidget* owner = nullptr);

    // Loads the window if it is not open, from logo frame 1 with the timer
    // running, otherwise only brings it forward.
    void Open();

    void Form_Load();
    void Timer1_Timer();
    void Label6_Click();
    void cmdAbout_Click();

private:
    platform::Services& services_;
    int16_t LogoFrame_ = 0;                        // the logo frame shown last, 0..4; 0 before the first tick
    std::array<QImage, kLogoFrames + 1> imgLogo_;  // elements 1..4
    StretchedImage* imgLogoWk_;
    MailLink* Label6_;
    QPushButton* cmdAbout_;
    QTimer* Timer1_;
};

// Logo frame 1..4 as stored with the window; a null image for other numbers.
QImage LogoPicture(int index);

}  // namespace dialogs
