// Reset and Exit.
#include "engine/game.h"
#include "engine/msgbox_codes.h"
#include "engine/texts.h"

namespace engine {

void Game::m1b_Click() {
    for (int16_t i = 1; i <= state_.DivCount * state_.DivCount - 1; ++i) window_.UnloadTile(i);
    ClearGame(state_);
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
