#pragma once
// The board as a value: where each tile and the gap stand, and the slide
// from one board to the next. Nothing here has side effects.
#include <array>
#include <cstdint>

#include "engine/board_geometry.h"

namespace engine {

// Tile slots 0..36: slot 0 is the template tile, 1..35 the largest board.
inline constexpr int kTileSlots = 37;

struct Board {
    int16_t DivCount = 0;                    // tiles per side (3..6), 0 with no board
    std::array<int16_t, kTileSlots> PosX{};  // column of the cell tile i occupies
    std::array<int16_t, kTileSlots> PosY{};  // row of the cell tile i occupies
    int16_t SpaceX = 0;                      // column of the gap
    int16_t SpaceY = 0;                      // row of the gap
    bool operator==(const Board&) const = default;
};

// An N × N board in its solved arrangement, the gap bottom right.
Board LaidOut(int16_t n);

// A tile of the board, 1..N × N − 1.
bool IsTile(const Board& board, int16_t index);

// The tile stands directly above, below, left or right of the gap.
bool IsNextToGap(const Board& board, int16_t index);

// The board after the tile has slid into the gap and the gap has taken its
// cell; the same board when the tile is not next to the gap.
Board Slide(const Board& board, int16_t index);

Cell CellOf(const Board& board, int16_t index);
Cell GapCell(const Board& board);

// The tile in the cell, or 0 when the cell is the gap, lies off the board,
// or there is no board.
int16_t TileInCell(const Board& board, Cell cell);

// The way a tile is to move into the gap.
enum class SlideDirection { Left, Right, Up, Down };

// The tile that would move into the gap in that direction: the one on the
// gap's far side (Left takes the tile right of the gap, Up the one below).
// 0 when the gap lies at that edge of the board, or there is no board.
int16_t TileToSlide(const Board& board, SlideDirection direction);

}  // namespace engine
