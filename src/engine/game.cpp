// The engine's commands from outside the board: the load step, the rule of
// "a game is on", the picture choice, the sound switch with the tune's
// preparation, and the option.
#include "engine/game.h"

#include <utility>

#include "engine/data_files.h"

namespace engine {

Game::Game(WindowPort& window, SoundPort& sound, RandomSource& random)
    : window_(window), sound_(sound), random_(random) {}

void Game::Load(std::string appDir) {
    globals_.AppDir = std::move(appDir);
    globals_.ClickSu = Globals{}.ClickSu;
    state_ = GameState{};
}

// Reset and start-up are the only ways out of a game, and both clear the
// board with the limit and the reshuffle count; the limit is at least 1
// while a board is out (StoreClickSu keeps the option above 0), so the board
// alone tells.
bool Game::IsOn() const { return state_.board.DivCount != 0; }

void Game::PictureChosen(std::string path, bool loaded) {
    state_.PicturePath = std::move(path);
    if (loaded) state_.PictureLoaded = 1;
}

void Game::SwitchSound(bool on) {
    if (on) {
        sound_.MidiPlay(globals_.AppDir + file::kTune);
        state_.BgmOn = 1;
    } else {
        state_.BgmOn = 0;
        sound_.MidiStop();
        sound_.WaveStop();
    }
}

void Game::StartMenuOpening() {
    if (state_.BgmOn == 1 && state_.PictureLoaded == 1 && !IsOn()) sound_.PrepareTune(globals_.AppDir + file::kTune);
}

bool Game::StoreClickSu(int value) {
    if (!IsClickSu(value)) return false;
    globals_.ClickSu = static_cast<int16_t>(value);
    return true;
}

}  // namespace engine
