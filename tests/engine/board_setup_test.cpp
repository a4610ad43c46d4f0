#include <gtest/gtest.h>

#include <algorithm>

#include "engine/msgbox_codes.h"
#include "support/game_fixture.h"

using testsupport::GameFixture;

class BoardSetup : public GameFixture {};

TEST_F(BoardSetup, EachGridLaysOutItsTilesAndShufflesWithNTimes200Clicks) {
    const int16_t tiles[] = {8, 15, 24, 35};
    for (int16_t index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        const int16_t n = static_cast<int16_t>(index + 3);
        const int rndBefore = random.rndCalls;
        StartGame(index);
        EXPECT_EQ(state.DivCount, n);
        EXPECT_EQ(static_cast<int>(window.tiles.size()), tiles[index]);
        EXPECT_EQ(window.tiles.count(0), 0u);
        EXPECT_EQ(window.tiles.count(n * n), 0u);
        EXPECT_EQ(random.rndCalls - rndBefore, n * 200);
        EXPECT_EQ(state.ShuffleLimit, 15 * (index + 1));
        EXPECT_EQ(state.Playing, 1);
        EXPECT_EQ(state.MoveCount, 0);
        for (auto& [i, tile] : window.tiles) EXPECT_TRUE(tile.visible) << i;
        game.m1b_Click();
    }
}

TEST_F(BoardSetup, HomeCellsPiecesAndGapBeforeTheShuffle) {
    // Every simulated click lands on tile 1, far from the gap, so the board
    // stays as it was laid out.
    for (int i = 0; i < 600; ++i) random.script.push_back(0.0f);
    StartGame(0);
    EXPECT_EQ(state.SpaceX, 2);
    EXPECT_EQ(state.SpaceY, 2);
    EXPECT_EQ(state.PosX[1], 0);
    EXPECT_EQ(state.PosY[1], 0);
    EXPECT_EQ(state.PosX[8], 1);
    EXPECT_EQ(state.PosY[8], 2);
    EXPECT_EQ(window.templateWidth, 1585);
    EXPECT_EQ(window.templateHeight, 1445);
    EXPECT_EQ(window.tiles[8].left, 1585);
    EXPECT_EQ(window.tiles[8].top, 2890);
    EXPECT_EQ(window.tiles[5].piece, (engine::PieceRect{320, 292, 320, 292}));
    EXPECT_EQ(window.caption, "ペルノカ Ver.0.2");  // a start leaves the title alone
}

TEST_F(BoardSetup, StepsRunInOrderAndTheTuneStartsLast) {
    window.pictureWidth = 300;
    window.pictureHeight = 200;
    sound.sharedLog = &window.log;
    state.ShuffleCount = 0;
    StartGame(0);
    ASSERT_EQ(sound.calls.size(), 1u);
    EXPECT_EQ(sound.calls[0], "MidiPlay /opt/pernoka/QUIL9702.mid");
    EXPECT_EQ(window.log.back(), "sound MidiPlay /opt/pernoka/QUIL9702.mid");
    EXPECT_EQ(random.randomizeCalls, 1);
    const auto at = [&](const std::string& entry) {
        return std::find(window.log.begin(), window.log.end(), entry) - window.log.begin();
    };
    EXPECT_LT(at("SetTemplateSize"), at("LoadTile 1"));
    EXPECT_LT(at("LoadTile 1"), at("ShowTile 1"));
    EXPECT_LT(at("ShowTile 1"), at("DrawPiece 1"));
    EXPECT_LT(at("DrawPiece 8"), at("HidePicture"));
    EXPECT_EQ(window.tiles[7].piece, (engine::PieceRect{0, 133, 100, 67}));
}

TEST_F(BoardSetup, SilentStartWithSoundOff) {
    state.BgmOn = 0;
    StartGame(3);
    EXPECT_TRUE(sound.calls.empty());
}

TEST_F(BoardSetup, RefusalsChangeNothing) {
    game.m1a_Click(0);
    EXPECT_EQ(window.boxes, std::vector<std::string>{"エラー|0|画像を選択して下さい。"});
    EXPECT_TRUE(window.tiles.empty());
    EXPECT_EQ(state.DivCount, 0);

    StartGame(0);
    const auto cells = state.PosX;
    window.boxes.clear();
    game.m1a_Click(2);
    EXPECT_EQ(window.boxes, std::vector<std::string>{"エラー|0|ゲームが開始されていますので選択できません。"});
    EXPECT_EQ(state.DivCount, 3);
    EXPECT_EQ(window.tiles.size(), 8u);
    EXPECT_EQ(state.PosX, cells);
}

TEST_F(BoardSetup, StartIsIgnoredSilentlyWhileReshufflesAreCounted) {
    state.PictureLoaded = 1;
    state.ShuffleCount = 1;
    game.m1a_Click(0);
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_TRUE(window.tiles.empty());
}

TEST_F(BoardSetup, StoredOptionSetsTheLimit) {
    globals.ClickSu = 20;
    StartGame(2);
    EXPECT_EQ(state.ShuffleLimit, 60);
}

TEST_F(BoardSetup, LargerBoardLeavesStaleSlotsThatNothingReads) {
    StartGame(3);
    game.m1b_Click();
    const auto posX = state.PosX;
    StartGame(0);
    for (int i = 9; i <= 35; ++i) EXPECT_EQ(state.PosX[i], posX[i]) << i;
    EXPECT_EQ(window.tiles.size(), 8u);
}
