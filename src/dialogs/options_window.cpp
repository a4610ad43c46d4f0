#include "dialogs/options_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "dialogs/window_frame.h"
#include "engine/texts.h"
#include "platform/services.h"
#include "platform/twips.h"

namespace dialogs {
namespace {

constexpr int16_t kEnter = 13;
constexpr int kMaxDigits = 2;

// Queued Tab keystrokes arrive as this event, like keys typed after the
// current one: the key in hand is handled before the focus moves.
const QEvent::Type kQueuedTab = static_cast<QEvent::Type>(QEvent::registerEventType());

QPointer<OptionsWindow>& Instance() {
    static QPointer<OptionsWindow> window;
    return window;
}

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

OptionsWindow::OptionsWindow(engine::Globals& globals, platform::Services& services)
    : QDialog(nullptr), globals_(globals), services_(services) {
    setAttribute(Qt::WA_DeleteOnClose);
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
    Form_Load();
}

OptionsWindow::~OptionsWindow() {
    // The children outlive this part of the window while they are destroyed.
    for (QWidget* child : findChildren<QWidget*>()) child->removeEventFilter(this);
}

void OptionsWindow::Form_Load() {
    // KeyPreview: the window sees every key before the control with the focus.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    // The start-up value, not the value in force.
    txtClickSu_->setText(QStringLiteral("15"));
    txtClickSu_->setSelection(0, static_cast<int>(txtClickSu_->text().size()));
    txtClickSu_->setFocus(Qt::OtherFocusReason);
    CentreOnScreen(this);
}

void OptionsWindow::Form_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == kEnter) SendTab();
}

void OptionsWindow::txtClickSu_LostFocus() { cmdOK_->setFocus(Qt::OtherFocusReason); }

void OptionsWindow::cmdOK_Click() {
    const QString text = txtClickSu_->text();
    if (!text.isEmpty()) {
        const int value = text.toInt();
        if (value < engine::kClickSuMin || value > engine::kClickSuMax) {
            services_.MsgBox(engine::text::kClickSuRange, platform::MsgButtons::Ok, engine::text::kErrorTitle);
            txtClickSu_->setFocus(Qt::OtherFocusReason);
            txtClickSu_->selectAll();
            return;
        }
        globals_.ClickSu = static_cast<int16_t>(value);
    }
    close();
}

void OptionsWindow::SendTab() { QCoreApplication::postEvent(this, new QEvent(kQueuedTab)); }

bool OptionsWindow::event(QEvent* event) {
    if (event->type() != kQueuedTab) return QDialog::event(event);
    QWidget* target = focusWidget() ? focusWidget() : this;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
    return true;
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() == 1) {
            int16_t KeyAscii = static_cast<int16_t>(text.at(0).unicode());
            Form_KeyPress(KeyAscii);
        }
    } else if (event->type() == QEvent::FocusOut && watched == txtClickSu_) {
        // Leaving the window or opening the box's context menu is not
        // leaving the box.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) txtClickSu_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Elsewhere the queued Tab of Form_KeyPress does the work.
            if (focusWidget() == cmdOK_) cmdOK_->click();
            event->accept();
            return;
        case Qt::Key_Escape: event->accept(); return;
        default: QDialog::keyPressEvent(event);
    }
}

void m8_Click(const engine::GameState& state, engine::Globals& globals, platform::Services& services) {
    if (state.ShuffleLimit > 0) {
        services.MsgBox(engine::text::kGameRunning, platform::MsgButtons::Ok, engine::text::kErrorTitle);
        return;
    }
    ShowOptionsWindow(globals, services);
}

OptionsWindow* ShowOptionsWindow(engine::Globals& globals, platform::Services& services) {
    if (!Instance()) Instance() = new OptionsWindow(globals, services);
    ShowOrBringForward(Instance());
    return Instance();
}

}  // namespace dialogs
