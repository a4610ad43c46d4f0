#include "engine/game_state.h"

#include <gtest/gtest.h>

TEST(GameState, StartValues) {
    const engine::GameState state;
    const engine::Globals globals;
    EXPECT_EQ(state.DivCount, 0);
    EXPECT_EQ(state.ShuffleLimit, 0);
    EXPECT_EQ(state.ShuffleCount, 0);
    EXPECT_EQ(state.MoveCount, 0);
    EXPECT_EQ(state.Playing, 0);
    EXPECT_EQ(state.BgmOn, 1);
    EXPECT_EQ(state.PictureLoaded, 0);
    EXPECT_EQ(state.PicturePath, "");
    EXPECT_EQ(state.SpaceX, 0);
    EXPECT_EQ(state.SpaceY, 0);
    for (int i = 0; i < engine::kTileSlots; ++i) {
        EXPECT_EQ(state.PosX[i], 0);
        EXPECT_EQ(state.PosY[i], 0);
    }
    EXPECT_EQ(globals.ClickSu, 15);
    static_assert(std::is_same_v<decltype(state.MoveCount), int16_t>);
    static_assert(engine::kTileSlots == 37);
}
