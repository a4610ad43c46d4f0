// Starting a game: laying out the board and shuffling it.
#include "engine/board_geometry.h"
#include "engine/data_files.h"
#include "engine/game.h"
#include "engine/msgbox_codes.h"
#include "engine/texts.h"

namespace engine {

void Game::m1a_Click(int16_t Index) {
    if (Index < 0 || Index > 3) return;
    if (state_.PictureLoaded == 0) {
        window_.MsgBox(text::kChoosePictureFirst, vbOKOnly, text::kErrorTitle);
        return;
    }
    if (state_.ShuffleLimit > 0) {
        window_.MsgBox(text::kGameRunning, vbOKOnly, text::kErrorTitle);
        return;
    }
    if (state_.ShuffleCount != 0) return;

    for (int16_t i = 1; i <= state_.DivCount * state_.DivCount - 1; ++i) window_.UnloadTile(i);

    const int16_t n = static_cast<int16_t>(Index + 3);
    state_.DivCount = n;
    state_.ShuffleLimit = ShuffleLimitFor(globals_.ClickSu, Index);

    const TileSize size = TileSizeFor(window_.ScaleWidth(), window_.ScaleHeight(), n);
    window_.SetTemplateSize(size.width, size.height);
    const int32_t pictureWidth = window_.PictureWidth();
    const int32_t pictureHeight = window_.PictureHeight();

    for (int16_t i = 1; i <= n * n - 1; ++i) {
        window_.LoadTile(i);
        window_.ShowTile(i);
        const Cell home = HomeCell(i, n);
        window_.MoveTile(i, window_.TemplateWidth() * home.col, window_.TemplateHeight() * home.row);
        window_.DrawPiece(i, PieceSource(pictureWidth, pictureHeight, n, home));
        state_.PosX[i] = home.col;
        state_.PosY[i] = home.row;
    }
    state_.SpaceX = static_cast<int16_t>(n - 1);
    state_.SpaceY = static_cast<int16_t>(n - 1);

    window_.HidePicture();
    random_.Randomize();
    ShuffleBoard();
    state_.Playing = 1;
    if (state_.BgmOn == 1) sound_.MidiPlay(globals_.AppDir + file::kTune);
}

void Game::ShuffleBoard() {
    const int16_t n = state_.DivCount;
    for (int click = 1; click <= n * 200; ++click) {
        const int16_t k = RandomTile(n, random_.Rnd());
        Canv_MouseDown(k, 0, 0, 0.0f, 0.0f);
    }
}

}  // namespace engine
