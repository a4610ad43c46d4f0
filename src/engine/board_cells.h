#pragma once
// Which tile stands where: the board read cell by cell, for moves chosen by
// a direction rather than by pointing at a tile.
#include <cstdint>

#include "board_geometry.h"
#include "game_state.h"

namespace engine {

// The tile in the cell, or 0 when the cell is the gap, lies off the board,
// or there is no board.
int16_t TileInCell(const GameState& state, Cell cell);

// The way a tile is to move into the gap.
enum class SlideDirection { Left, Right, Up, Down };

// The tile that would move into the gap in that direction: the one on the
// gap's far side (Left takes the tile right of the gap, Up the one below).
// 0 when the gap lies at that edge of the board, or there is no board.
int16_t TileToSlide(const GameState& state, SlideDirection direction);

}  // namespace engine
