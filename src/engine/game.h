#pragma once
// The puzzle engine: starting a board, the tile click, Reset and Exit.
// Runs on the UI thread; every call runs to completion.
#include "game_state.h"
#include "random_source.h"
#include "sound_port.h"
#include "window_port.h"

namespace engine {

class Game {
public:
    Game(GameState& state, Globals& globals, WindowPort& window, SoundPort& sound, RandomSource& random);

    // Start commands "３分割".."６分割", Index 0..3.
    void m1a_Click(int16_t Index);
    // N × 200 simulated clicks on random tiles.
    void ShuffleBoard();
    // A press on tile Index, real or simulated; only Index matters.
    void Canv_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    // Reset.
    void m1b_Click();
    // Exit: asks, then ends the process or resets.
    void m4_Click();

    const GameState& State() const { return state_; }

private:
    bool IsNextToGap(int16_t index) const;
    void SlideIntoGap(int16_t index);
    void CountMove();
    void Reshuffle();
    void GameOver();
    void ShowMoveCount();

    GameState& state_;
    Globals& globals_;
    WindowPort& window_;
    SoundPort& sound_;
    RandomSource& random_;
};

}  // namespace engine
