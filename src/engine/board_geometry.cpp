// Tile sizes, home cells, piece rectangles and the shuffle's arithmetic.
#include "engine/board_geometry.h"

#include <algorithm>
#include <cmath>

namespace engine {

int32_t RoundHalfEven(double value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; this program never does.
    return static_cast<int32_t>(std::nearbyint(value));
}

TileSize TileSizeFor(int32_t scaleWidth, int32_t scaleHeight, int16_t n) {
    const float nf = static_cast<float>(n);
    return {std::floor(static_cast<float>(scaleWidth) / nf), std::floor(static_cast<float>(scaleHeight) / nf)};
}

Cell HomeCell(int16_t i, int16_t n) { return {static_cast<int16_t>((i - 1) % n), static_cast<int16_t>((i - 1) / n)}; }

PieceRect PieceSource(int32_t pictureWidth, int32_t pictureHeight, int16_t n, Cell cell) {
    const float pw = static_cast<float>(pictureWidth) / static_cast<float>(n);
    const float ph = static_cast<float>(pictureHeight) / static_cast<float>(n);
    const float x = static_cast<float>(cell.col) * pw;
    const float y = static_cast<float>(cell.row) * ph;
    return {RoundHalfEven(x), RoundHalfEven(y), RoundHalfEven(pw), RoundHalfEven(ph)};
}

int16_t RandomTile(int16_t n, float r) {
    const int16_t last = static_cast<int16_t>(n * n - 1);
    const float k = std::floor(static_cast<float>(last) * r + 1.0f);
    // r < 1 keeps k within 1..N×N − 1; the clamp only guards a generator
    // that strays outside [0, 1), so no index ever leaves the tile tables.
    return static_cast<int16_t>(std::clamp(static_cast<int>(k), 1, static_cast<int>(last)));
}

int16_t ShuffleLimitFor(int16_t clickSu, int16_t index) {
    return static_cast<int16_t>(RoundHalfEven(static_cast<double>(clickSu) * (index + 1)));
}

}  // namespace engine
