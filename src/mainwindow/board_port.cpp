// The board side of the main window: the tiles and what a screen reader is
// told follow the engine's one notification and the press of a tile; the
// title, the colour, the message box and the end of the process are asked
// for.
#include <QPalette>

#include "engine/msgbox_codes.h"
#include "mainwindow/announcer.h"
#include "mainwindow/board_accessibility.h"
#include "mainwindow/main_window.h"
#include "mainwindow/tile_widget.h"
#include "platform/device_pixels.h"
#include "platform/picture_piece.h"
#include "platform/services.h"
#include "platform/twips.h"

namespace mainwindow {

void Form1::BoardChanged(const engine::Board& board, engine::BoardChange change, int16_t tile) {
    switch (change) {
        case engine::BoardChange::NewBoard:
            RemoveTiles();
            CutTiles(board);
            break;
        case engine::BoardChange::Slid:
            PlaceTile(board, tile);
            moved_ = Tile(tile);
            break;
        case engine::BoardChange::Reshuffled:
            for (int16_t i = 1; i <= board.DivCount * board.DivCount - 1; ++i) PlaceTile(board, i);
            reshuffled_ = true;
            break;
        case engine::BoardChange::Cleared:
            RemoveTiles();
            moved_ = nullptr;
            reshuffled_ = false;
            break;
    }
    DescribeGap(board);
    // A screen reader speaks what holds the focus: the board with its gap
    // when a game starts. The board takes the focus again once the menu
    // that started or cleared the game has closed and handed the focus back.
    if (change == engine::BoardChange::NewBoard || change == engine::BoardChange::Cleared)
        QMetaObject::invokeMethod(
            board_, [board = board_] { board->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
}

void Form1::PressTile(int16_t index) {
    moved_ = nullptr;
    reshuffled_ = false;
    ++pressDepth_;
    game_.Canv_MouseDown(index, 0, 0, 0.0f, 0.0f);
    --pressDepth_;
    // Told once the move is counted: the moved tile takes the focus, so a
    // screen reader speaks it with its new cell and, as its description,
    // the count the title now shows. A tile that already has the focus
    // gets no new focus to speak, so that is said for it. The arrow keys
    // still reach the window through the tile.
    if (moved_) {
        if (countHolder_ && countHolder_ != moved_) countHolder_->setAccessibleDescription(QString());
        countHolder_ = moved_;
        moved_->setAccessibleDescription(windowTitle());
        if (focusWidget() == moved_)
            announcer_->Say(moved_->accessibleName() + QStringLiteral("、") + windowTitle());
        else
            moved_->setFocus(Qt::OtherFocusReason);
    }
    // A reshuffle is told after the tile. The third one's game over clears
    // the board before this, and is told as its question comes up.
    if (reshuffled_) announcer_->Say(ReshuffleText(game_.State().ShuffleCount));
}

void Form1::CutTiles(const engine::Board& board) {
    const int16_t n = board.DivCount;
    tileSize_ =
        engine::TileSizeFor(board_->width() * platform::kTwipsPerPixel, board_->height() * platform::kTwipsPerPixel, n);
    canv0_->resize(platform::TwipsRect(0, 0, tileSize_.width, tileSize_.height).size());
    const QImage& picture1 = pictures_.Picture1();
    for (int16_t i = 1; i <= n * n - 1; ++i) {
        auto* tile = new TileWidget(i, board_);
        tile->setObjectName(QStringLiteral("canv%1").arg(i));
        // Only the tile matters: any button, modifier or point of it slides it.
        connect(tile, &TileWidget::pressed, this, [this](int16_t index) { PressTile(index); });
        tiles_[i] = tile;
        PlaceTile(board, i);
        // Each piece is the part of the picture at the tile's home cell. A
        // tile shows no more pixels than it has on the sharpest screen: a
        // piece of a huge picture is shrunk to that as it is cut.
        const engine::PieceRect source =
            engine::PieceSource(picture1.width(), picture1.height(), n, engine::HomeCell(i, n));
        tile->SetPiece(platform::CutPiece(picture1, QRect(source.x, source.y, source.width, source.height),
                                          platform::DevicePixels(tile->size())));
        tile->show();
    }
}

void Form1::PlaceTile(const engine::Board& board, int16_t index) {
    TileWidget* tile = Tile(index);
    if (!tile || index == 0) return;
    const engine::Cell cell = engine::CellOf(board, index);
    tile->setGeometry(platform::TwipsRect(tileSize_.width * static_cast<float>(cell.col),
                                          tileSize_.height * static_cast<float>(cell.row), tileSize_.width,
                                          tileSize_.height));
    tile->SetCell(cell);
}

void Form1::RemoveTiles() {
    for (TileWidget*& tile : tiles_) {
        if (!tile) continue;
        tile->hide();
        tile->setObjectName(QString());  // the next board's tile of this number takes the name
        // The game over resets the board from inside a tile's own press
        // handler: the widget goes only once that handler has returned to the
        // event loop.
        tile->deleteLater();
        tile = nullptr;
    }
}

void Form1::DescribeGap(const engine::Board& board) {
    board_->setAccessibleDescription(board.DivCount == 0 ? QString() : GapDescription(engine::GapCell(board)));
}

void Form1::SetCaption(const std::string& text) { setWindowTitle(QString::fromStdString(text)); }

void Form1::SetBackColor(uint32_t rgb) {
    QPalette palette = board_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(rgb));
    board_->setPalette(palette);
}

int Form1::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    // The one question a tile's press can bring is the one at the game over.
    if (pressDepth_ > 0) announcer_->Say(QString::fromUtf8(kGameOverText));
    const auto shown = buttons == engine::vbYesNo ? platform::MsgButtons::YesNo : platform::MsgButtons::Ok;
    switch (services_.MsgBox(prompt, shown, title)) {
        case platform::MsgAnswer::Yes: return engine::vbYes;
        case platform::MsgAnswer::No: return engine::vbNo;
        default: return engine::vbOK;
    }
}

void Form1::EndProcess() { services_.EndProcess(); }

}  // namespace mainwindow
