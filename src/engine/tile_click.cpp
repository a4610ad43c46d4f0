// The tile click: slide, count, reshuffle, game over.
#include <string>

#include "engine/data_files.h"
#include "engine/game.h"
#include "engine/texts.h"

namespace engine {

void Game::Canv_MouseDown(int16_t Index, int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) {
    // A press can still be queued for a tile that a reset has just removed.
    if (!IsTile(state_.board, Index)) return;

    if (IsNextToGap(state_.board, Index)) {
        state_.board = Slide(state_.board, Index);
        // Playing is 0 exactly while a shuffle clicks: the window hears of
        // the shuffle's result once, not of each of its hundreds of slides.
        if (state_.Playing == 1) window_.BoardChanged(state_.board, BoardChange::Slid, Index);
        CountMove();
    }
    if (state_.MoveCount > state_.ShuffleLimit) Reshuffle();
    if (state_.ShuffleCount > 2) GameOver();
}

void Game::ShowMoveCount() { window_.SetCaption(std::to_string(state_.MoveCount) + text::kMovesSuffix); }

void Game::CountMove() {
    if (state_.Playing != 1) return;
    ++state_.MoveCount;
    ShowMoveCount();
    if (state_.BgmOn == 1) sound_.WavePlay(globals_.AppDir + file::kMoveSound);
}

void Game::Reshuffle() {
    state_.Playing = 0;
    state_.MoveCount = 0;
    ShowMoveCount();
    ShuffleBoard();
    window_.BoardChanged(state_.board, BoardChange::Reshuffled, 0);
    state_.Playing = 1;
    ++state_.ShuffleCount;
}

void Game::GameOver() {
    if (state_.BgmOn == 1) {
        sound_.WaveStop();
        sound_.MidiStop();
        sound_.WavePlay(globals_.AppDir + file::kGameEndSound);
    }
    m4_Click();
}

}  // namespace engine
