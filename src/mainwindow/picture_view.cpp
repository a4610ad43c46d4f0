// Form2, the picture view: its design, its load step and its closing.
#include "mainwindow/picture_view.h"

#include <QPushButton>

#include "dialogs/stretched_image.h"
#include "dialogs/window_frame.h"
#include "platform/twips.h"

namespace mainwindow {

PictureView::PictureView(QWidget* owner) : QDialog(owner) {
    dialogs::SetFixedDialogFrame(this, 3135, 3570);

    Image1_ = new dialogs::StretchedImage(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(platform::TwipsRect(120, 120, 2895, 2895));
    cmdPic_ = new QPushButton(QStringLiteral("OK"), this);
    cmdPic_->setObjectName(QStringLiteral("cmdPic"));
    cmdPic_->setGeometry(platform::TwipsRect(960, 3120, 1095, 375));
    // The default and the cancel button: the dialog presses it on Enter, and
    // Esc rejects the dialog, which closes it the same way.
    cmdPic_->setDefault(true);
    connect(cmdPic_, &QPushButton::clicked, this, &PictureView::cmdPic_Click);
}

void PictureView::Open(const QImage& picture1) {
    if (!isVisible()) Form_Load(picture1);
    dialogs::ShowOrBringForward(this);
}

void PictureView::Form_Load(const QImage& picture1) {
    // QImage shares its pixels and copies them on write, so a picture chosen
    // later in the main window does not reach this window.
    Image1_->SetPicture(picture1);
    cmdPic_->setFocus(Qt::OtherFocusReason);
    dialogs::CentreOnScreen(this);
}

void PictureView::cmdPic_Click() { close(); }

}  // namespace mainwindow
