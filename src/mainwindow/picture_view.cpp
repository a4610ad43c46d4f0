#include "mainwindow/picture_view.h"

#include <QPointer>
#include <QPushButton>

#include "dialogs/stretched_image.h"
#include "dialogs/window_frame.h"
#include "platform/twips.h"

namespace mainwindow {
namespace {

QPointer<PictureView>& Instance() {
    static QPointer<PictureView> window;
    return window;
}

}  // namespace

PictureView::PictureView(const QImage& picture1) : QDialog(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
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
    cmdPic_->setFocus(Qt::OtherFocusReason);
    connect(cmdPic_, &QPushButton::clicked, this, &PictureView::cmdPic_Click);

    Form_Load(picture1);
}

void PictureView::Form_Load(const QImage& picture1) {
    // QImage shares its pixels and copies them on write, so a picture chosen
    // later in the main window does not reach this window.
    Image1_->SetPicture(picture1);
    dialogs::CentreOnScreen(this);
}

void PictureView::cmdPic_Click() { close(); }

PictureView* ShowPictureView(const QImage& picture1) {
    if (!Instance()) Instance() = new PictureView(picture1);
    dialogs::ShowOrBringForward(Instance());
    return Instance();
}

}  // namespace mainwindow
