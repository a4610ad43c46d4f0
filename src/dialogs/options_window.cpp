// The options window: its design, the box and its keys, and "ＯＫ".
#include "dialogs/options_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "dialogs/window_frame.h"
#include "engine/game_state.h"
#include "engine/texts.h"
#include "platform/services.h"
#include "platform/twips.h"

namespace dialogs {
namespace {

constexpr int kMaxDigits = 2;

QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top, int width, int height) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QRect rect = platform::TwipsRect(left, top, width, height);
    // The substitute font draws every full-width character 12 pixels wide,
    // which the design did not allow for: a label grows to its text, and a
    // label that would run past the window's edge moves left to end there.
    const int needed = label->sizeHint().width();
    if (rect.width() < needed) rect.setWidth(needed);
    if (rect.left() + needed > parent->width()) rect.moveLeft(std::max(0, parent->width() - needed));
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

OptionsWindow::OptionsWindow(platform::Services& services, QWidget* owner)
    : QDialog(owner), services_(services) {
    SetFixedDialogFrame(this, 2460, 1110);

    MakeLabel(this, "シャフルするタイミング", 0, 0, 1905, 225);
    txtClickSu_ = new QLineEdit(this);
    txtClickSu_->setObjectName(QStringLiteral("txtClickSu"));
    txtClickSu_->setGeometry(platform::TwipsRect(735, 315, 435, 315));
    txtClickSu_->setMaxLength(kMaxDigits);
    // Only a count of moves makes sense here; anything else would break the
    // next game when it is read as a number.
    txtClickSu_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), txtClickSu_));
    MakeLabel(this, "回　Ｘ　分割数", 1260, 420, 1275, 225);
    QLabel* Label3 = MakeLabel(this, "ｸﾘｯｸ数", 105, 420, 645, 225);
    Label3->setObjectName(QStringLiteral("Label3"));
    // The caption names the box for assistive tools. It has no access key,
    // so no key changes.
    Label3->setBuddy(txtClickSu_);
    cmdOK_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(platform::TwipsRect(1785, 735, 645, 330));
    // Neither default nor cancel button of the window. A dialog would make
    // its first auto-default button the default one, and Enter in the box
    // would press it; keyPressEvent lets Enter press the button only when it
    // has the focus.
    cmdOK_->setAutoDefault(false);
    cmdOK_->setDefault(false);
    setTabOrder(txtClickSu_, cmdOK_);

    connect(cmdOK_, &QPushButton::clicked, this, &OptionsWindow::cmdOK_Click);
    // Enter in the box moves on to ＯＫ once the key has been handled, so
    // the same Enter does not reach ＯＫ as well.
    connect(txtClickSu_, &QLineEdit::returnPressed, this, &OptionsWindow::txtClickSu_LostFocus, Qt::QueuedConnection);
    // Leaving the box for another control of this window; leaving the window
    // or opening the box's context menu is not leaving the box.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old == txtClickSu_ && now && now != txtClickSu_ && now->window() == this) txtClickSu_LostFocus();
    });
}

void OptionsWindow::Open() {
    if (!isVisible()) Form_Load();
    ShowOrBringForward(this);
}

void OptionsWindow::Form_Load() {
    // The start-up value, not the value in force.
    txtClickSu_->setText(QStringLiteral("15"));
    txtClickSu_->setSelection(0, static_cast<int>(txtClickSu_->text().size()));
    txtClickSu_->setFocus(Qt::OtherFocusReason);
    CentreOnScreen(this);
}

void OptionsWindow::txtClickSu_LostFocus() { cmdOK_->setFocus(Qt::OtherFocusReason); }

void OptionsWindow::cmdOK_Click() {
    const QString text = txtClickSu_->text();
    if (!text.isEmpty()) {
        const int value = text.toInt();
        if (!engine::IsClickSu(value)) {
            services_.MsgBox(engine::text::kClickSuRange, platform::MsgButtons::Ok, engine::text::kErrorTitle);
            txtClickSu_->setFocus(Qt::OtherFocusReason);
            txtClickSu_->selectAll();
            return;
        }
        emit clickSuChosen(value);
    }
    close();
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // In the box, returnPressed does the work.
            if (focusWidget() == cmdOK_) cmdOK_->click();
            event->accept();
            return;
        case Qt::Key_Escape: event->accept(); return;
        default: QDialog::keyPressEvent(event);
    }
}

}  // namespace dialogs
