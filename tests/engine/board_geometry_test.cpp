#include "engine/board_geometry.h"

#include <gtest/gtest.h>

using namespace engine;

TEST(BoardGeometry, TileSizesAndUncoveredStripsOfTheClientArea) {
    struct Case {
        int16_t n;
        float w, h;
        int stripRight, stripBottom;
    };
    const Case cases[] = {{3, 1585, 1445, 0, 0}, {4, 1188, 1083, 3, 3}, {5, 951, 867, 0, 0}, {6, 792, 722, 3, 3}};
    for (const Case& c : cases) {
        const TileSize size = TileSizeFor(4755, 4335, c.n);
        EXPECT_EQ(size.width, c.w) << c.n;
        EXPECT_EQ(size.height, c.h) << c.n;
        EXPECT_EQ(4755 - static_cast<int>(size.width) * c.n, c.stripRight) << c.n;
        EXPECT_EQ(4335 - static_cast<int>(size.height) * c.n, c.stripBottom) << c.n;
    }
}

TEST(BoardGeometry, PiecesOfA300By200PictureOnThreeByThree) {
    // PH = 66.666…: each edge rounds on its own, so every piece is 67 high.
    EXPECT_EQ(PieceSource(300, 200, 3, {0, 0}), (PieceRect{0, 0, 100, 67}));
    EXPECT_EQ(PieceSource(300, 200, 3, {1, 1}), (PieceRect{100, 67, 100, 67}));
    EXPECT_EQ(PieceSource(300, 200, 3, {2, 2}), (PieceRect{200, 133, 100, 67}));
}

TEST(BoardGeometry, RoundingIsHalfToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(2.50001), 3);
    // A 6 × 6 board on a 15-pixel picture: PW = 2.5, so edges land on halves.
    EXPECT_EQ(PieceSource(15, 15, 6, {1, 1}).x, 2);  // 2.5 rounds down to even
    EXPECT_EQ(PieceSource(15, 15, 6, {3, 3}).x, 8);  // 7.5 rounds up to even
}

TEST(BoardGeometry, ShuffleLimitPerGrid) {
    const int16_t limit15[] = {15, 30, 45, 60};
    const int16_t limit20[] = {20, 40, 60, 80};
    for (int16_t index = 0; index < 4; ++index) {
        EXPECT_EQ(ShuffleLimitFor(15, index), limit15[index]);
        EXPECT_EQ(ShuffleLimitFor(20, index), limit20[index]);
    }
    EXPECT_EQ(ShuffleLimitFor(1, 0), 1);
    EXPECT_EQ(ShuffleLimitFor(99, 3), 396);
}

TEST(BoardGeometry, RandomTileCoversEveryTileAndNeverLeavesTheRange) {
    for (int16_t n = 3; n <= 6; ++n) {
        const int16_t last = static_cast<int16_t>(n * n - 1);
        EXPECT_EQ(RandomTile(n, 0.0f), 1);
        EXPECT_EQ(RandomTile(n, 0.99999994f), last);  // the largest float below 1
        // Each tile gets an equal share of [0, 1).
        for (int16_t k = 1; k <= last; ++k) {
            const float middle = (static_cast<float>(k) - 0.5f) / static_cast<float>(last);
            EXPECT_EQ(RandomTile(n, middle), k);
        }
        EXPECT_EQ(RandomTile(n, 1.0f), last);  // a stray 1 stays on the board
        EXPECT_EQ(RandomTile(n, -0.1f), 1);
    }
}
