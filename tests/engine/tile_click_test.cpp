// The tile click on a running game: what the window hears of a slide and of
// a shuffle, and presses that reach no tile.
#include <gtest/gtest.h>

#include "support/game_fixture.h"

using testsupport::GameFixture;

class TileClick : public GameFixture {};

TEST_F(TileClick, ARealSlideIsToldOnceBeforeItIsCounted) {
    StartSolved(1);  // 4 × 4, gap at (3, 3)
    window.log.clear();
    game.Canv_MouseDown(15, 1, 0, 0, 0);
    EXPECT_EQ(window.log, (std::vector<std::string>{"Board Slid 15", "SetCaption 1回目"}));
    EXPECT_EQ(window.board, board());
    EXPECT_EQ(board().SpaceX, 2);

    window.log.clear();
    game.Canv_MouseDown(13, 1, 0, 0, 0);  // two cells from the gap: nothing at all
    EXPECT_TRUE(window.log.empty());
}

TEST_F(TileClick, IndexesOutsideTheBoardAreIgnored) {
    StartSolved(1);
    const engine::Board before = board();
    for (int16_t index : {0, 16, 36, -1, 200}) game.Canv_MouseDown(index, 1, 0, 0, 0);
    EXPECT_EQ(board(), before);
    EXPECT_EQ(state().MoveCount, 0);
}

TEST_F(TileClick, AShuffleIsToldOnceWithItsResult) {
    StartGame(3);  // 1200 simulated clicks
    EXPECT_EQ(window.Count("Board"), 1);
    EXPECT_EQ(window.log.back(), "Board NewBoard");
    EXPECT_EQ(window.board, board());
    EXPECT_NE(board(), engine::LaidOut(6));  // it did shuffle
}
