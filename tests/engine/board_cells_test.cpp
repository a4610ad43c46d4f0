// Reading the board by cell, and the tile each direction moves.
#include "engine/board_cells.h"

#include <gtest/gtest.h>

#include <random>

#include "support/game_fixture.h"

using engine::Cell;
using engine::SlideDirection;
using engine::TileInCell;
using engine::TileToSlide;
using testsupport::GameFixture;

namespace {

constexpr SlideDirection kDirections[] = {SlideDirection::Left, SlideDirection::Right, SlideDirection::Up,
                                          SlideDirection::Down};

// Where a tile that moves in the direction goes, one cell on.
Cell Step(Cell cell, SlideDirection direction) {
    switch (direction) {
        case SlideDirection::Left: --cell.col; break;
        case SlideDirection::Right: ++cell.col; break;
        case SlideDirection::Up: --cell.row; break;
        case SlideDirection::Down: ++cell.row; break;
    }
    return cell;
}

SlideDirection Opposite(SlideDirection direction) {
    switch (direction) {
        case SlideDirection::Left: return SlideDirection::Right;
        case SlideDirection::Right: return SlideDirection::Left;
        case SlideDirection::Up: return SlideDirection::Down;
        case SlideDirection::Down: return SlideDirection::Up;
    }
    return direction;
}

class BoardCells : public GameFixture {
protected:
    // A solved board: every simulated click of the shuffle hits tile 1, which can't move.
    void StartSolved(int16_t index) {
        for (int i = 0; i < 1200; ++i) random.script.push_back(0.0f);
        StartGame(index);
    }
};

TEST_F(BoardCells, ASolvedBoardHasEveryTileAtHomeAndTheGapBottomRight) {
    StartSolved(1);  // 4 × 4
    for (int16_t row = 0; row < 4; ++row)
        for (int16_t col = 0; col < 4; ++col) {
            const int16_t expected = (row == 3 && col == 3) ? 0 : static_cast<int16_t>(row * 4 + col + 1);
            EXPECT_EQ(TileInCell(state, {col, row}), expected) << col << "," << row;
        }
}

TEST_F(BoardCells, CellsOffTheBoardHoldNoTile) {
    StartSolved(0);  // 3 × 3
    for (Cell off : {Cell{-1, 0}, Cell{0, -1}, Cell{3, 0}, Cell{0, 3}, Cell{3, 3}, Cell{5, 5}})
        EXPECT_EQ(TileInCell(state, off), 0) << off.col << "," << off.row;
}

TEST_F(BoardCells, TilesLeftOverFromALargerBoardAreNotOnIt) {
    StartSolved(3);  // 6 × 6: tiles 9 to 35 get cells
    game.m1b_Click();
    StartSolved(0);  // 3 × 3: their old cells are stale
    ASSERT_EQ(state.PosX[20], 1);
    ASSERT_EQ(state.PosY[20], 3);
    EXPECT_EQ(TileInCell(state, {1, 2}), 8);
    EXPECT_EQ(TileInCell(state, {1, 3}), 0);
}

TEST_F(BoardCells, NoBoardNoTile) {
    state.PosX[1] = 0;
    state.PosY[1] = 0;
    EXPECT_EQ(TileInCell(state, {0, 0}), 0);
    for (SlideDirection direction : kDirections) EXPECT_EQ(TileToSlide(state, direction), 0);
}

TEST_F(BoardCells, EachDirectionTakesTheTileOnTheFarSideOfTheGap) {
    StartSolved(1);  // gap at (3, 3): tile 15 left of it, tile 12 above
    EXPECT_EQ(TileToSlide(state, SlideDirection::Right), 15);
    EXPECT_EQ(TileToSlide(state, SlideDirection::Down), 12);
    EXPECT_EQ(TileToSlide(state, SlideDirection::Left), 0);  // nothing right of the gap
    EXPECT_EQ(TileToSlide(state, SlideDirection::Up), 0);    // nor below it

    game.Canv_MouseDown(15, 0, 0, 0, 0);  // gap at (2, 3)
    game.Canv_MouseDown(11, 0, 0, 0, 0);  // gap at (2, 2)
    EXPECT_EQ(TileToSlide(state, SlideDirection::Left), 12);
    EXPECT_EQ(TileToSlide(state, SlideDirection::Right), 10);
    EXPECT_EQ(TileToSlide(state, SlideDirection::Up), 11);
    EXPECT_EQ(TileToSlide(state, SlideDirection::Down), 7);
}

TEST_F(BoardCells, TheChosenTileAlwaysMovesOneCellThatWay) {
    std::mt19937 pick(7);
    for (int16_t index = 0; index < 4; ++index) {
        StartGame(index);
        const int16_t n = state.DivCount;
        for (int move = 0; move < 200 && state.DivCount != 0; ++move) {
            const SlideDirection direction = kDirections[pick() % 4];
            const Cell gap{state.SpaceX, state.SpaceY};
            const int16_t tile = TileToSlide(state, direction);
            if (tile == 0) {
                // Only at the board's edge on that side.
                const Cell from = Step(gap, Opposite(direction));
                EXPECT_TRUE(from.col < 0 || from.row < 0 || from.col >= n || from.row >= n);
                continue;
            }
            const Cell before{state.PosX[tile], state.PosY[tile]};
            EXPECT_EQ(Step(before, direction), gap);
            game.Canv_MouseDown(tile, 0, 0, 0, 0);
            if (state.MoveCount == 0) continue;  // a reshuffle moved everything
            EXPECT_EQ((Cell{state.PosX[tile], state.PosY[tile]}), gap);
            EXPECT_EQ((Cell{state.SpaceX, state.SpaceY}), before);
        }
        game.m1b_Click();
    }
}

}  // namespace
