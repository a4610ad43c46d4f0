// Form1's design, its load and unload steps, and the press of a tile.
#include "mainwindow/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "engine/texts.h"
#include "mainwindow/announcer.h"
#include "mainwindow/board_accessibility.h"
#include "mainwindow/board_size.h"
#include "mainwindow/picture_view.h"
#include "mainwindow/replayed_alt.h"
#include "mainwindow/tile_widget.h"
#include "platform/app_dir.h"
#include "platform/fixed_frame.h"
#include "platform/help_viewer.h"
#include "platform/services.h"
#include "platform/twips.h"

namespace mainwindow {
namespace {

// The template tile canv(0) as designed, in twips. A start sizes it afresh.
constexpr float kTemplateLeft = 315, kTemplateTop = 1470;
constexpr float kTemplateWidth = 1335, kTemplateHeight = 1305;

}  // namespace

Form1::Form1(engine::SoundPort& sound, engine::RandomSource& random, platform::Services& services)
    : services_(services), sound_(sound), game_(*this, sound_, random), pictures_(game_, services) {
    BuildDesign();
    BuildMenu();
    IgnoreReplayedAlt(this);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::BuildDesign() {
    setWindowTitle(QString::fromUtf8(engine::text::kProgramTitle));
    // Fixed border, no minimise or maximise box.
    setWindowFlags(platform::FixedFrameFlags(Qt::Window));

    board_ = new QWidget(this);
    board_->setObjectName(QStringLiteral("board"));
    board_->setAccessibleName(QString::fromUtf8(kBoardName));
    board_->setFixedSize(kBoardSize);
    board_->setAutoFillBackground(true);
    setCentralWidget(board_);
    // The board holds the window's focus from the start, so that a menu
    // worked with the keyboard hands the focus back to it.
    board_->setFocusPolicy(Qt::ClickFocus);
    board_->setFocus(Qt::OtherFocusReason);
    setAcceptDrops(true);
    SetBackColor(0x000000);
    sound_.SetSurface(board_);
    announcer_ = new Announcer(board_);

    canv0_ = new TileWidget(0, board_);
    canv0_->setObjectName(QStringLiteral("canv0"));
    canv0_->setGeometry(platform::TwipsRect(kTemplateLeft, kTemplateTop, kTemplateWidth, kTemplateHeight));
    canv0_->hide();
}

void Form1::Form_Load() {
    game_.Load(platform::ProgramFolder());
    platform::ChDir(game_.Shared().AppDir);
    ShowBgmSwitch(game_.State().BgmOn == 1);

    // The window grows by the menu bar's height; the client area stays fixed.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload() {
    services_.MsgBox(engine::text::kEnding, platform::MsgButtons::Ok, engine::text::kProgramTitle);
    services_.EndProcess();
}

TileWidget* Form1::Tile(int16_t index) const {
    if (index == 0) return canv0_;
    if (index < 0 || index >= engine::kTileSlots) return nullptr;
    return tiles_[index];
}

void Form1::ShowBgmSwitch(bool on) {
    m3a_[sound::kBgmOnIndex]->setChecked(on);
    m3a_[sound::kBgmOffIndex]->setChecked(!on);
}

}  // namespace mainwindow
