#include <gtest/gtest.h>

#include "engine/msgbox_codes.h"
#include "support/game_fixture.h"

using testsupport::GameFixture;

class GameEnd : public GameFixture {};

TEST_F(GameEnd, ResetBeforeAnyGame) {
    state.PictureLoaded = 1;
    state.PicturePath = "/pics/a.jpg";
    game.m1b_Click();
    EXPECT_EQ(window.caption, "0回目");
    EXPECT_EQ(state.PictureLoaded, 0);
    EXPECT_EQ(state.PicturePath, "/pics/a.jpg");
    EXPECT_EQ(window.Count("UnloadTile"), 0);
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"MidiStop", "WaveStop"}));
    EXPECT_EQ(window.log.back(), "SetBackColor 0");
    game.m1a_Click(0);
    EXPECT_EQ(window.boxes, std::vector<std::string>{"エラー|0|画像を選択して下さい。"});
}

TEST_F(GameEnd, ResetDuringAGameRemovesEveryTileAndKeepsTheOptions) {
    globals.ClickSu = 7;
    StartGame(2);
    ClickNeighbour();
    const auto posX = state.PosX;
    const auto spaceX = state.SpaceX;
    game.m1b_Click();
    EXPECT_TRUE(window.tiles.empty());
    EXPECT_EQ(window.Count("UnloadTile"), 24);
    EXPECT_EQ(state.DivCount, 0);
    EXPECT_EQ(state.ShuffleLimit, 0);
    EXPECT_EQ(state.MoveCount, 0);
    EXPECT_EQ(state.Playing, 0);
    EXPECT_EQ(globals.ClickSu, 7);
    EXPECT_EQ(state.BgmOn, 1);
    EXPECT_EQ(state.PosX, posX);  // stale until the next board
    EXPECT_EQ(state.SpaceX, spaceX);
    EXPECT_EQ(window.caption, "0回目");

    // Twice in a row: only the title, the stops and the colour again.
    window.log.clear();
    sound.calls.clear();
    game.m1b_Click();
    EXPECT_EQ(window.log, (std::vector<std::string>{"SetCaption 0回目", "SetBackColor 0"}));
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"MidiStop", "WaveStop"}));
}

TEST_F(GameEnd, ExitAsksAndYesEndsTheProcess) {
    StartGame(0);
    window.answers.push_back(engine::vbYes);
    sound.calls.clear();
    game.m4_Click();
    EXPECT_EQ(window.boxes, std::vector<std::string>{"ペルノカ Ver.0.2|4|終了します。"});
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"MidiStop", "WaveStop"}));
    EXPECT_EQ(window.endProcessCalls, 1);
    EXPECT_EQ(window.tiles.size(), 8u);
}

TEST_F(GameEnd, ExitAnsweredNoResetsEvenWithoutAGame) {
    window.answers.push_back(engine::vbNo);
    game.m4_Click();
    EXPECT_EQ(window.endProcessCalls, 0);
    EXPECT_EQ(window.caption, "0回目");
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"MidiStop", "WaveStop"}));
}

TEST_F(GameEnd, ANewGameAfterResetStartsFresh) {
    StartGame(0);
    ClickNeighbour();
    game.m1b_Click();
    StartGame(1);
    EXPECT_EQ(state.DivCount, 4);
    EXPECT_EQ(window.tiles.size(), 15u);
    EXPECT_EQ(state.ShuffleLimit, 30);
    EXPECT_EQ(state.MoveCount, 0);
    EXPECT_EQ(sound.calls.back(), "MidiPlay /opt/pernoka/QUIL9702.mid");
}
