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
    if (IsOn()) {
        window_.MsgBox(text::kGameRunning, vbOKOnly, text::kErrorTitle);
        return;
    }

    const int16_t n = static_cast<int16_t>(Index + 3);
    state_.ShuffleLimit = ShuffleLimitFor(globals_.ClickSu, Index);
    state_.board = LaidOut(n);
    random_.Randomize();
    ShuffleBoard();
    state_.Playing = 1;
    // The window cuts the tiles and puts them where the shuffle left them,
    // before the handler returns: the player never sees the solved board.
    window_.BoardChanged(state_.board, BoardChange::NewBoard, 0);
    if (state_.BgmOn == 1) sound_.MidiPlay(globals_.AppDir + file::kTune);
}

void Game::ShuffleBoard() {
    const int16_t n = state_.board.DivCount;
    for (int click = 1; click <= n * 200; ++click) {
        const int16_t k = RandomTile(n, random_.Rnd());
        Canv_MouseDown(k, 0, 0, 0.0f, 0.0f);
    }
}

}  // namespace engine
