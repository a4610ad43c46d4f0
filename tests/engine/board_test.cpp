// The board as a value: laying out, the legality test, the slide, and
// reading the board by cell and by direction.
#include "engine/board.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using engine::Board;
using engine::Cell;
using engine::SlideDirection;

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

Board Solved(int16_t n) { return engine::LaidOut(n); }

TEST(Board, LaidOutFillsRowByRowWithTheGapBottomRight) {
    const Board board = Solved(4);
    for (int16_t row = 0; row < 4; ++row)
        for (int16_t col = 0; col < 4; ++col) {
            const int16_t expected = (row == 3 && col == 3) ? 0 : static_cast<int16_t>(row * 4 + col + 1);
            EXPECT_EQ(engine::TileInCell(board, {col, row}), expected) << col << "," << row;
        }
    EXPECT_EQ(engine::GapCell(board), (Cell{3, 3}));
    EXPECT_EQ(engine::CellOf(board, 5), (Cell{0, 1}));
    EXPECT_EQ(engine::CellOf(board, 15), (Cell{2, 3}));
    EXPECT_EQ(engine::CellOf(Solved(6), 35), (Cell{4, 5}));
    EXPECT_EQ(engine::CellOf(Solved(3), 8), (Cell{1, 2}));
}

TEST(Board, OnlyTheFourNeighboursOfTheGapSlide) {
    const Board board = Solved(4);  // gap at (3, 3): tile 15 left of it, tile 12 above
    for (int16_t i = -1; i <= 36; ++i) EXPECT_EQ(engine::IsNextToGap(board, i), i == 15 || i == 12) << i;

    Board left = engine::Slide(board, 15);
    EXPECT_EQ(engine::CellOf(left, 15), (Cell{3, 3}));
    EXPECT_EQ(engine::GapCell(left), (Cell{2, 3}));
    left = engine::Slide(left, 15);  // right of the gap now: back again
    EXPECT_EQ(left, board);

    const Board up = engine::Slide(board, 12);
    EXPECT_EQ(engine::CellOf(up, 12), (Cell{3, 3}));
    EXPECT_EQ(engine::GapCell(up), (Cell{3, 2}));
    EXPECT_EQ(engine::Slide(up, 12), board);

    // A diagonal neighbour, tiles two and three cells away, the far corner,
    // and indexes off the board: the same board.
    for (int16_t i : {11, 14, 13, 8, 1, 0, 16, 36, -1, 200}) EXPECT_EQ(engine::Slide(board, i), board) << i;
}

TEST(Board, NoBoardNoTile) {
    Board none;
    none.PosX[1] = 0;
    none.PosY[1] = 0;
    EXPECT_EQ(engine::TileInCell(none, {0, 0}), 0);
    EXPECT_FALSE(engine::IsNextToGap(none, 1));
    for (SlideDirection direction : kDirections) EXPECT_EQ(engine::TileToSlide(none, direction), 0);
    for (Cell off : {Cell{-1, 0}, Cell{0, -1}, Cell{3, 0}, Cell{0, 3}, Cell{3, 3}, Cell{5, 5}})
        EXPECT_EQ(engine::TileInCell(Solved(3), off), 0) << off.col << "," << off.row;
}

TEST(Board, EachDirectionTakesTheTileOnTheFarSideOfTheGap) {
    Board board = Solved(4);
    EXPECT_EQ(engine::TileToSlide(board, SlideDirection::Right), 15);
    EXPECT_EQ(engine::TileToSlide(board, SlideDirection::Down), 12);
    EXPECT_EQ(engine::TileToSlide(board, SlideDirection::Left), 0);  // nothing right of the gap
    EXPECT_EQ(engine::TileToSlide(board, SlideDirection::Up), 0);    // nor below it

    board = engine::Slide(engine::Slide(board, 15), 11);  // gap at (2, 2)
    EXPECT_EQ(engine::TileToSlide(board, SlideDirection::Left), 12);
    EXPECT_EQ(engine::TileToSlide(board, SlideDirection::Right), 10);
    EXPECT_EQ(engine::TileToSlide(board, SlideDirection::Up), 11);
    EXPECT_EQ(engine::TileToSlide(board, SlideDirection::Down), 7);
}

// Random slides on every size: the tile chosen by a direction moves one cell
// that way, and the tiles and the gap always cover every cell exactly once.
TEST(Board, RandomSlidesKeepEveryCellCoveredExactlyOnce) {
    std::mt19937 pick(7);
    for (int16_t n = 3; n <= 6; ++n) {
        Board board = Solved(n);
        std::uniform_int_distribution<int> anyTile(1, n * n - 1);
        for (int move = 0; move < 4000; ++move) {
            if (move % 2 == 0) {
                const SlideDirection direction = kDirections[pick() % 4];
                const int16_t tile = engine::TileToSlide(board, direction);
                const Cell gap = engine::GapCell(board);
                if (tile == 0) {
                    // Only at the board's edge on that side.
                    const Cell from = Step(gap, direction == SlideDirection::Left    ? SlideDirection::Right
                                                : direction == SlideDirection::Right ? SlideDirection::Left
                                                : direction == SlideDirection::Up    ? SlideDirection::Down
                                                                                     : SlideDirection::Up);
                    EXPECT_TRUE(from.col < 0 || from.row < 0 || from.col >= n || from.row >= n);
                    continue;
                }
                const Cell before = engine::CellOf(board, tile);
                ASSERT_EQ(Step(before, direction), gap);
                board = engine::Slide(board, tile);
                ASSERT_EQ(engine::CellOf(board, tile), gap);
                ASSERT_EQ(engine::GapCell(board), before);
            } else {
                board = engine::Slide(board, static_cast<int16_t>(anyTile(pick)));
            }
            std::vector<int> seen(n * n, 0);
            for (int16_t i = 1; i <= n * n - 1; ++i) {
                const Cell cell = engine::CellOf(board, i);
                ASSERT_TRUE(cell.col >= 0 && cell.col < n && cell.row >= 0 && cell.row < n) << i;
                ++seen[cell.row * n + cell.col];
            }
            ++seen[board.SpaceY * n + board.SpaceX];
            for (int cell = 0; cell < n * n; ++cell) ASSERT_EQ(seen[cell], 1) << "n=" << n << " move=" << move;
        }
    }
}

}  // namespace
