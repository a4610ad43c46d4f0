// Reset and Exit.
#include <utility>

#include "engine/game.h"
#include "engine/msgbox_codes.h"
#include "engine/texts.h"

namespace engine {

void Game::m1b_Click() {
    // Every field goes back to its start value, except where the tiles and
    // the gap stood, the sound switch and the path of the picture chosen
    // last, which a new game does not need cleared.
    GameState cleared;
    cleared.board = state_.board;
    cleared.board.DivCount = 0;
    cleared.BgmOn = state_.BgmOn;
    cleared.PicturePath = std::move(state_.PicturePath);
    state_ = std::move(cleared);
    window_.BoardChanged(state_.board, BoardChange::Cleared, 0);
    ShowMoveCount();
    sound_.MidiStop();
    sound_.WaveStop();
    window_.SetBackColor(0x000000);
}

void Game::m4_Click() {
    if (window_.MsgBox(text::kEnding, vbYesNo, text::kProgramTitle) == vbYes) {
        sound_.MidiStop();
        sound_.WaveStop();
        window_.EndProcess();
        return;
    }
    m1b_Click();
}

}  // namespace engine
