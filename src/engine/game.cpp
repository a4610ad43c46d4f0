#include "engine/game.h"

namespace engine {

Game::Game(GameState& state, Globals& globals, WindowPort& window, SoundPort& sound, RandomSource& random)
    : state_(state), globals_(globals), window_(window), sound_(sound), random_(random) {}

}  // namespace engine
