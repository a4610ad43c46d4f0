#include "engine/game_state.h"

#include <utility>

namespace engine {

void ClearGame(GameState& state) {
    GameState cleared;
    cleared.PosX = state.PosX;
    cleared.PosY = state.PosY;
    cleared.SpaceX = state.SpaceX;
    cleared.SpaceY = state.SpaceY;
    cleared.BgmOn = state.BgmOn;
    cleared.PicturePath = std::move(state.PicturePath);
    state = std::move(cleared);
}

}  // namespace engine
