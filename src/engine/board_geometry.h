#pragma once
// The arithmetic of laying out a board, kept apart so it can be checked alone.
#include <cstdint>

namespace engine {

// A rectangle of the picture, in its pixels.
struct PieceRect {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PieceRect&) const = default;
};

struct TileSize {
    float width = 0, height = 0;  // twips, whole numbers
};

struct Cell {
    int16_t col = 0, row = 0;
    bool operator==(const Cell&) const = default;
};

// W = Int(ScaleWidth / N), H = Int(ScaleHeight / N).
TileSize TileSizeFor(int32_t scaleWidth, int32_t scaleHeight, int16_t n);

// Home cell of tile i: column (i − 1) Mod N, row (i − 1) \ N.
Cell HomeCell(int16_t i, int16_t n);

// Source rectangle of the piece at (col, row) in a picture of the given pixel
// size: each edge rounded on its own, halves to even.
PieceRect PieceSource(int32_t pictureWidth, int32_t pictureHeight, int16_t n, Cell cell);

// k = Int((N×N − 1) × r + 1), in single precision.
int16_t RandomTile(int16_t n, float r);

// CInt(ClickSu × (Index + 1)).
int16_t ShuffleLimitFor(int16_t clickSu, int16_t index);

// Round to nearest, halves to even (CLng/CInt).
int32_t RoundHalfEven(double value);

}  // namespace engine
