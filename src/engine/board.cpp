// The board's pure functions: laying out, the legality test and the slide.
#include "engine/board.h"

#include <utility>

namespace engine {

Board LaidOut(int16_t n) {
    Board board;
    board.DivCount = n;
    for (int16_t i = 1; i <= n * n - 1; ++i) {
        const Cell home = HomeCell(i, n);
        board.PosX[i] = home.col;
        board.PosY[i] = home.row;
    }
    board.SpaceX = static_cast<int16_t>(n - 1);
    board.SpaceY = static_cast<int16_t>(n - 1);
    return board;
}

bool IsTile(const Board& board, int16_t index) { return index >= 1 && index <= board.DivCount * board.DivCount - 1; }

bool IsNextToGap(const Board& board, int16_t index) {
    if (!IsTile(board, index)) return false;
    const int16_t x = board.PosX[index], y = board.PosY[index];
    if (x == board.SpaceX && (y == board.SpaceY - 1 || y == board.SpaceY + 1)) return true;
    return y == board.SpaceY && (x == board.SpaceX - 1 || x == board.SpaceX + 1);
}

Board Slide(const Board& board, int16_t index) {
    Board next = board;
    if (!IsNextToGap(board, index)) return next;
    std::swap(next.PosX[index], next.SpaceX);
    std::swap(next.PosY[index], next.SpaceY);
    return next;
}

Cell CellOf(const Board& board, int16_t index) { return {board.PosX[index], board.PosY[index]}; }

Cell GapCell(const Board& board) { return {board.SpaceX, board.SpaceY}; }

int16_t TileInCell(const Board& board, Cell cell) {
    const int16_t n = board.DivCount;
    if (cell.col < 0 || cell.row < 0 || cell.col >= n || cell.row >= n) return 0;
    for (int16_t i = 1; i <= n * n - 1; ++i)
        if (CellOf(board, i) == cell) return i;
    return 0;
}

int16_t TileToSlide(const Board& board, SlideDirection direction) {
    Cell from = GapCell(board);
    switch (direction) {
        case SlideDirection::Left: ++from.col; break;
        case SlideDirection::Right: --from.col; break;
        case SlideDirection::Up: ++from.row; break;
        case SlideDirection::Down: --from.row; break;
    }
    return TileInCell(board, from);
}

}  // namespace engine
