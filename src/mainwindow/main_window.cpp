#include "mainwindow/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "engine/msgbox_codes.h"
#include "mainwindow/tile_widget.h"
#include "platform/app_dir.h"
#include "platform/end_process.h"
#include "platform/msgbox.h"
#include "platform/twips.h"

namespace mainwindow {
namespace {

constexpr int kClientWidthTwips = 4755;
constexpr int kClientHeightTwips = 4335;

}  // namespace

Form1::Form1(engine::SoundPort& sound, engine::RandomSource& random)
    : sound_(sound), game_(state_, globals_, *this, sound_, random) {
    BuildDesign();
    BuildMenu();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::BuildDesign() {
    setWindowTitle(QString::fromUtf8(engine::kProgramTitle));
    // Fixed border, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    board_ = new QWidget(this);
    board_->setObjectName(QStringLiteral("board"));
    board_->setFixedSize(platform::TwipsToPixels(kClientWidthTwips), platform::TwipsToPixels(kClientHeightTwips));
    board_->setAutoFillBackground(true);
    setCentralWidget(board_);
    SetBackColor(0x000000);
    sound_.SetSurface(board_);

    picture1Box_ = new QWidget(board_);
    picture1Box_->setObjectName(QStringLiteral("Picture1"));
    picture1Box_->setGeometry(platform::TwipsRect(2040, 1080, 2115, 2220));
    picture1Box_->hide();

    canv0_ = new TileWidget(0, board_, nullptr);
    canv0_->setObjectName(QStringLiteral("canv0"));
    canv0_->setGeometry(platform::TwipsRect(315, 1470, 1335, 1305));
    canv0_->hide();
    templateWidth_ = 1335;
    templateHeight_ = 1305;
}

void Form1::Form_Load() {
    globals_.AppDir = platform::ProgramFolder();
    platform::ChDir(globals_.AppDir);
    state_.DivCount = 0;
    state_.ShuffleLimit = 0;
    state_.ShuffleCount = 0;
    state_.MoveCount = 0;
    globals_.ClickSu = 15;
    state_.Playing = 0;
    state_.PictureLoaded = 0;
    m3a_[0]->setChecked(true);
    state_.BgmOn = 1;

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
    platform::MsgBox("終了します。", engine::vbOKOnly, engine::kProgramTitle);
    platform::EndProcess();
}

TileWidget* Form1::Tile(int16_t index) const {
    if (index == 0) return canv0_;
    if (index < 0 || index >= engine::kTileSlots) return nullptr;
    return tiles_[index];
}

}  // namespace mainwindow
