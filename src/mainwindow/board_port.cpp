// The board side of the main window: what the engine asks of it.
#include <QPalette>
#include <cmath>

#include "engine/msgbox_codes.h"
#include "mainwindow/main_window.h"
#include "mainwindow/tile_widget.h"
#include "platform/device_pixels.h"
#include "platform/picture_piece.h"
#include "platform/services.h"
#include "platform/twips.h"

namespace mainwindow {

int32_t Form1::ScaleWidth() const { return board_->width() * platform::kTwipsPerPixel; }
int32_t Form1::ScaleHeight() const { return board_->height() * platform::kTwipsPerPixel; }

void Form1::SetTemplateSize(float width, float height) {
    templateWidth_ = width;
    templateHeight_ = height;
    canv0_->resize(platform::TwipsRect(0, 0, width, height).size());
}

// Picture1 is never on screen: it is only the picture the tiles are cut from.
void Form1::HidePicture() {}

void Form1::LoadTile(int16_t index) {
    if (index < 1 || index >= engine::kTileSlots) return;
    if (tiles_[index]) UnloadTile(index);
    // Only the tile matters: any button, modifier or point of it slides it.
    auto* tile = new TileWidget(index, board_, [this](int16_t i) { PressTile(i); });
    tile->setObjectName(QStringLiteral("canv%1").arg(index));
    tile->setGeometry(QRect(canv0_->pos(), canv0_->size()));
    tile->hide();
    tiles_[index] = tile;
}

void Form1::UnloadTile(int16_t index) {
    if (index < 1 || index >= engine::kTileSlots || !tiles_[index]) return;
    TileWidget* tile = tiles_[index];
    tiles_[index] = nullptr;
    tile->hide();
    tile->setObjectName(QString());  // the next board's tile of this number takes the name
    // The game over resets the board from inside a tile's own press handler:
    // the widget goes only once that handler has returned to the event loop.
    tile->deleteLater();
}

void Form1::ShowTile(int16_t index) {
    if (TileWidget* tile = Tile(index); tile && index > 0) tile->show();
}

void Form1::MoveTile(int16_t index, float left, float top) {
    TileWidget* tile = Tile(index);
    if (!tile || index == 0) return;
    tile->setGeometry(platform::TwipsRect(left, top, templateWidth_, templateHeight_));
    // Tiles only ever stand in whole cells: left and top are multiples of
    // the tile size.
    if (templateWidth_ > 0 && templateHeight_ > 0) {
        tile->SetCell({static_cast<int16_t>(std::lround(left / templateWidth_)),
                       static_cast<int16_t>(std::lround(top / templateHeight_))});
    }
}

void Form1::DrawPiece(int16_t index, const engine::PieceRect& source) {
    TileWidget* tile = Tile(index);
    if (!tile || index == 0) return;
    // A tile shows no more pixels than it has on the sharpest screen: a
    // piece of a huge picture is shrunk to that as it is cut, not kept whole.
    const QRect rect(source.x, source.y, source.width, source.height);
    tile->SetPiece(platform::CutPiece(session_.picture1, rect, platform::DevicePixels(tile->size())));
}

void Form1::SetCaption(const std::string& text) { setWindowTitle(QString::fromStdString(text)); }

void Form1::SetBackColor(uint32_t rgb) {
    QPalette palette = board_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(rgb));
    board_->setPalette(palette);
}

int Form1::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    const auto shown = buttons == engine::vbYesNo ? platform::MsgButtons::YesNo : platform::MsgButtons::Ok;
    switch (services_.MsgBox(prompt, shown, title)) {
        case platform::MsgAnswer::Yes: return engine::vbYes;
        case platform::MsgAnswer::No: return engine::vbNo;
        default: return engine::vbOK;
    }
}

void Form1::EndProcess() { services_.EndProcess(); }

}  // namespace mainwindow
