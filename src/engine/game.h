#pragma once
// The puzzle engine: the one owner of the game state and the shared globals.
// Every command that changes them is here; other layers read the state and
// ask whether a game is on. Runs on the UI thread; every call runs to
// completion.
#include <string>

#include "engine/game_state.h"
#include "engine/random_source.h"
#include "engine/sound_port.h"
#include "engine/window_port.h"

namespace engine {

class Game {
public:
    Game(WindowPort& window, SoundPort& sound, RandomSource& random);

    // The main window's load step: the program's folder (ending in '/') and
    // the start values of the state and the option.
    void Load(std::string appDir);

    // A game is on from a start until the next reset: a board is out. Every
    // command that is refused during a game asks this.
    bool IsOn() const;

    // Start commands "３分割".."６分割", Index 0..3.
    void m1a_Click(int16_t Index);
    // A press on tile Index, real or simulated; only Index matters.
    void Canv_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    // Reset.
    void m1b_Click();
    // Exit: asks, then ends the process or resets.
    void m4_Click();

    // The window has tried to load the picture at path for the next game:
    // the path is kept either way, and a loaded picture lets a game start.
    void PictureChosen(std::string path, bool loaded);
    // The ＢＧＭ switch: on (re)starts the tune, off silences every sound.
    void SwitchSound(bool on);
    // The 開始 menu is opening: with a picture chosen, the music on and no
    // game on, a game and its tune may be about to start, so the tune is
    // prepared while the player reads the menu. Any other time nothing is.
    void StartMenuOpening();
    // The options window's "ＯＫ": a value outside 1..99 is refused (false)
    // and changes nothing.
    bool StoreClickSu(int value);

    const GameState& State() const { return state_; }
    const Globals& Shared() const { return globals_; }

private:
    // N × 200 simulated clicks on random tiles.
    void ShuffleBoard();
    void CountMove();
    void Reshuffle();
    void GameOver();
    void ShowMoveCount();

    GameState state_;
    Globals globals_;
    WindowPort& window_;
    SoundPort& sound_;
    RandomSource& random_;
};

}  // namespace engine
