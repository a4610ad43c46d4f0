// The about window: its design, the logo's timer, the mail link and "OK".
#include "dialogs/about_window.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "dialogs/mail_link.h"
#include "dialogs/stretched_image.h"
#include "dialogs/window_frame.h"
#include "engine/texts.h"
#include "platform/services.h"
#include "platform/twips.h"

// The logo frames are compiled into this static library; a library's
// resources register only when asked to.
static void InitLogoResources() { Q_INIT_RESOURCE(about_logo); }

namespace dialogs {
namespace {

const QColor kLightGrey(192, 192, 192);

void PaintLightGrey(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kLightGrey);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, QLabel* label, int left, int top, int width, int height) {
    label->setParent(parent);
    label->setGeometry(platform::TwipsRect(left, top, width, height));
    return label;
}

}  // namespace

QImage LogoPicture(int index) {
    if (index < 1 || index > kLogoFrames) return QImage();
    InitLogoResources();
    return QImage(QStringLiteral(":/about/logo%1.bmp").arg(index), "BMP");
}

AboutWindow::AboutWindow(platform::Services& services, QWidget* owner) : QDialog(owner), services_(services) {
    SetFixedDialogFrame(this, 2910, 2790);
    PaintLightGrey(this);
    QFont font(QStringLiteral("ＭＳ ゴシック"), 9, QFont::Normal);
    setFont(font);

    auto* fraAbout = new QFrame(this);
    fraAbout->setFrameStyle(QFrame::Box | QFrame::Sunken);
    fraAbout->setGeometry(platform::TwipsRect(60, 60, 2775, 2175));
    PaintLightGrey(fraAbout);

    imgLogoWk_ = new StretchedImage(fraAbout);
    imgLogoWk_->setObjectName(QStringLiteral("imgLogoWk"));
    imgLogoWk_->setGeometry(platform::TwipsRect(120, 180, 2535, 975));

    auto* lblAbout =
        MakeLabel(fraAbout, new QLabel(QString::fromUtf8(engine::text::kProgramTitle)), 0, 1260, 2295, 195);
    lblAbout->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    MakeLabel(fraAbout, new QLabel(QStringLiteral("Produced By Ze･Lo･Vin")), 180, 1560, 1935, 195);
    Label6_ = new MailLink(QStringLiteral("E-mail:") + QString::fromUtf8(kAuthorMail), fraAbout);
    Label6_->setObjectName(QStringLiteral("Label6"));
    MakeLabel(fraAbout, Label6_, 180, 1860, 2475, 195);
    Label6_->setToolTip(QStringLiteral("作者へメールを送信します。"));
    connect(Label6_, &MailLink::clicked, this, &AboutWindow::Label6_Click);

    cmdAbout_ = new QPushButton(QStringLiteral("OK"), this);
    cmdAbout_->setObjectName(QStringLiteral("cmdAbout"));
    cmdAbout_->setGeometry(platform::TwipsRect(900, 2340, 1095, 375));
    // The default and the cancel button: the dialog presses it on Enter, and
    // Esc rejects the dialog, which closes it the same way.
    cmdAbout_->setDefault(true);
    connect(cmdAbout_, &QPushButton::clicked, this, &AboutWindow::cmdAbout_Click);

    for (int i = 1; i <= kLogoFrames; ++i) imgLogo_[i] = LogoPicture(i);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(kLogoIntervalMs);
    connect(Timer1_, &QTimer::timeout, this, &AboutWindow::Timer1_Timer);
}

void AboutWindow::Open() {
    if (!isVisible()) {
        Form_Load();
        // Enabled in the design: the timer runs from load until the window
        // goes.
        Timer1_->start();
    }
    ShowOrBringForward(this);
}

void AboutWindow::Form_Load() {
    imgLogoWk_->SetPicture(imgLogo_[1]);
    cmdAbout_->setFocus(Qt::OtherFocusReason);
    CentreOnScreen(this);
}

void AboutWindow::Timer1_Timer() {
    LogoFrame_ = static_cast<int16_t>(LogoFrame_ + 1);
    imgLogoWk_->SetPicture(imgLogo_[LogoFrame_]);
    if (LogoFrame_ == kLogoFrames) LogoFrame_ = 0;
}

void AboutWindow::Label6_Click() {
    // Where no mail program is set up, the click must not look like it
    // worked: the player gets the address to write to some other way.
    if (services_.OpenUrl(std::string("mailto:") + kAuthorMail)) return;
    services_.MsgBox(std::string(engine::text::kNoMailProgram) + "\n" + kAuthorMail, platform::MsgButtons::Ok,
                     engine::text::kErrorTitle);
}

void AboutWindow::cmdAbout_Click() { close(); }

}  // namespace dialogs
