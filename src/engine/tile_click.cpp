// The tile click: slide, count, reshuffle, game over.
#include <string>
#include <utility>

#include "engine/data_files.h"
#include "engine/game.h"
#include "engine/texts.h"

namespace engine {

void Game::Canv_MouseDown(int16_t Index, int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) {
    // A press can still be queued for a tile that a reset has just removed.
    if (Index < 1 || Index > state_.DivCount * state_.DivCount - 1) return;

    if (IsNextToGap(Index)) {
        SlideIntoGap(Index);
        CountMove();
    }
    if (state_.MoveCount > state_.ShuffleLimit) Reshuffle();
    if (state_.ShuffleCount > 2) GameOver();
}

bool Game::IsNextToGap(int16_t index) const {
    const int16_t x = state_.PosX[index], y = state_.PosY[index];
    if (x == state_.SpaceX && (y == state_.SpaceY - 1 || y == state_.SpaceY + 1)) return true;
    return y == state_.SpaceY && (x == state_.SpaceX - 1 || x == state_.SpaceX + 1);
}

void Game::SlideIntoGap(int16_t index) {
    const float w = window_.TemplateWidth(), h = window_.TemplateHeight();
    window_.MoveTile(index, static_cast<float>(state_.SpaceX) * w, static_cast<float>(state_.SpaceY) * h);
    std::swap(state_.PosX[index], state_.SpaceX);
    std::swap(state_.PosY[index], state_.SpaceY);
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
