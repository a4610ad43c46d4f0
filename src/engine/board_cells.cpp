#include "engine/board_cells.h"

namespace engine {

int16_t TileInCell(const GameState& state, Cell cell) {
    const int16_t n = state.DivCount;
    if (cell.col < 0 || cell.row < 0 || cell.col >= n || cell.row >= n) return 0;
    for (int16_t i = 1; i <= n * n - 1; ++i)
        if (state.PosX[i] == cell.col && state.PosY[i] == cell.row) return i;
    return 0;
}

int16_t TileToSlide(const GameState& state, SlideDirection direction) {
    Cell from{state.SpaceX, state.SpaceY};
    switch (direction) {
        case SlideDirection::Left: ++from.col; break;
        case SlideDirection::Right: --from.col; break;
        case SlideDirection::Up: ++from.row; break;
        case SlideDirection::Down: --from.row; break;
    }
    return TileInCell(state, from);
}

}  // namespace engine
