#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "support/game_fixture.h"

using testsupport::GameFixture;

class TileSlide : public GameFixture {
protected:
    // A solved 4 × 4 board: every simulated click hits tile 1, which can't move.
    void StartSolvedFourByFour() {
        for (int i = 0; i < 800; ++i) random.script.push_back(0.0f);
        StartGame(1);
    }
};

TEST_F(TileSlide, NeighboursOfTheGapSlideIntoIt) {
    StartSolvedFourByFour();  // gap at (3, 3); tile 15 left of it, tile 12 above
    game.Canv_MouseDown(15, 1, 0, 0, 0);
    EXPECT_EQ(state.PosX[15], 3);
    EXPECT_EQ(state.SpaceX, 2);
    EXPECT_EQ(window.tiles[15].left, 3 * 1188);
    EXPECT_EQ(window.tiles[15].top, 3 * 1083);
    game.Canv_MouseDown(15, 1, 0, 0, 0);  // right of the gap now: back again
    EXPECT_EQ(state.PosX[15], 2);
    EXPECT_EQ(state.SpaceX, 3);
    game.Canv_MouseDown(12, 1, 0, 0, 0);  // above
    EXPECT_EQ(state.PosY[12], 3);
    EXPECT_EQ(state.SpaceY, 2);
    game.Canv_MouseDown(12, 1, 0, 0, 0);  // below
    EXPECT_EQ(state.PosY[12], 2);
    EXPECT_EQ(state.SpaceY, 3);
    EXPECT_EQ(state.MoveCount, 4);
}

TEST_F(TileSlide, DiagonalAndFarTilesStayPut) {
    StartSolvedFourByFour();  // gap at (3, 3)
    const auto posX = state.PosX, posY = state.PosY;
    game.Canv_MouseDown(11, 1, 0, 0, 0);  // diagonal neighbour (2, 2)
    game.Canv_MouseDown(14, 1, 0, 0, 0);  // same row, two cells away
    game.Canv_MouseDown(13, 1, 0, 0, 0);  // same row, three cells away
    game.Canv_MouseDown(8, 1, 0, 0, 0);   // same column, two cells above
    game.Canv_MouseDown(1, 1, 0, 0, 0);   // the far corner
    EXPECT_EQ(state.PosX, posX);
    EXPECT_EQ(state.PosY, posY);
    EXPECT_EQ(state.SpaceX, 3);
    EXPECT_EQ(state.SpaceY, 3);
    EXPECT_EQ(state.MoveCount, 0);
    EXPECT_EQ(window.caption, "ペルノカ Ver.0.2");
    EXPECT_EQ(sound.calls.size(), 1u);  // only the tune of the start
}

TEST_F(TileSlide, AnyButtonAndModifierSlidesTheSame) {
    StartSolvedFourByFour();
    game.Canv_MouseDown(15, 2, 1, 10, 10);  // right button with Shift
    EXPECT_EQ(state.SpaceX, 2);
    game.Canv_MouseDown(15, 4, 2, 50, 1);  // middle button with Ctrl
    EXPECT_EQ(state.SpaceX, 3);
}

TEST_F(TileSlide, IndexesOutsideTheBoardAreIgnored) {
    StartSolvedFourByFour();
    const auto posX = state.PosX;
    for (int16_t index : {0, 16, 36, -1, 200}) game.Canv_MouseDown(index, 1, 0, 0, 0);
    EXPECT_EQ(state.PosX, posX);
    EXPECT_EQ(state.SpaceX, 3);
}

TEST_F(TileSlide, RandomClicksKeepEveryCellCoveredExactlyOnce) {
    for (int16_t index = 0; index < 4; ++index) {
        const int16_t n = static_cast<int16_t>(index + 3);
        std::mt19937 clicks(static_cast<unsigned>(n));
        std::uniform_int_distribution<int> pick(1, n * n - 1);
        for (int run = 0; run < 500; ++run) {
            StartGame(index);
            for (int click = 0; click < 40; ++click) {
                const auto k = static_cast<int16_t>(pick(clicks));
                game.Canv_MouseDown(k, 1, 0, 0, 0);
                if (state.DivCount == 0) break;  // a small limit may have ended the game
            }
            std::vector<int> seen(n * n, 0);
            for (int16_t i = 1; i <= n * n - 1; ++i) {
                ASSERT_GE(state.PosX[i], 0);
                ASSERT_LT(state.PosX[i], n);
                ASSERT_GE(state.PosY[i], 0);
                ASSERT_LT(state.PosY[i], n);
                ++seen[state.PosY[i] * n + state.PosX[i]];
                EXPECT_EQ(window.tiles[i].left, state.PosX[i] * window.templateWidth);
                EXPECT_EQ(window.tiles[i].top, state.PosY[i] * window.templateHeight);
            }
            ++seen[state.SpaceY * n + state.SpaceX];
            for (int cell = 0; cell < n * n; ++cell) ASSERT_EQ(seen[cell], 1) << "n=" << n << " run=" << run;
            game.m1b_Click();
        }
    }
}
