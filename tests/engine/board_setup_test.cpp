// Starting a game: the refusals, the layout, the shuffle and the tune, with
// the tune prepared while the start menu is open.
#include <gtest/gtest.h>

#include "engine/msgbox_codes.h"
#include "support/game_fixture.h"

using testsupport::GameFixture;

class BoardSetup : public GameFixture {};

TEST_F(BoardSetup, EachGridShufflesWithNTimes200ClicksAndCountsFromNothing) {
    for (int16_t index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        const int16_t n = static_cast<int16_t>(index + 3);
        const int rndBefore = random.rndCalls;
        StartGame(index);
        EXPECT_EQ(board().DivCount, n);
        EXPECT_EQ(window.board, board());
        EXPECT_EQ(random.rndCalls - rndBefore, n * 200);
        EXPECT_EQ(state().ShuffleLimit, 15 * (index + 1));
        EXPECT_EQ(state().Playing, 1);
        EXPECT_EQ(state().MoveCount, 0);
        game.m1b_Click();
    }
}

TEST_F(BoardSetup, TheShuffleStartsFromTheSolvedBoard) {
    // Every simulated click lands on tile 1, far from the gap, so the board
    // stays as it was laid out.
    StartSolved(0);
    EXPECT_EQ(board(), engine::LaidOut(3));
    EXPECT_EQ(window.caption, "ペルノカ Ver.0.2");  // a start leaves the title alone
}

TEST_F(BoardSetup, TheBoardIsOutBeforeTheTuneStartsLast) {
    sound.sharedLog = &window.log;
    StartGame(0);
    EXPECT_EQ(random.randomizeCalls, 1);
    EXPECT_EQ(window.log, (std::vector<std::string>{"Board NewBoard", "sound MidiPlay /opt/pernoka/QUIL9702.mid"}));
}

TEST_F(BoardSetup, TheStartMenuPreparesTheTuneOnlyWhenAGameWithMusicCanStart) {
    const auto prepared = [this] {
        sound.calls.clear();
        game.StartMenuOpening();
        return sound.calls;
    };
    EXPECT_TRUE(prepared().empty());  // no picture yet
    game.PictureChosen("/pics/a.jpg", true);
    EXPECT_EQ(prepared(), std::vector<std::string>{"PrepareTune /opt/pernoka/QUIL9702.mid"});
    game.SwitchSound(false);
    EXPECT_TRUE(prepared().empty());
    game.SwitchSound(true);
    game.m1a_Click(0);
    EXPECT_TRUE(prepared().empty());  // the tune is playing
    game.m1b_Click();
    EXPECT_TRUE(prepared().empty());  // the reset took the picture away
}

TEST_F(BoardSetup, RefusalsChangeNothing) {
    game.m1a_Click(0);
    EXPECT_EQ(window.boxes, std::vector<std::string>{"エラー|0|画像を選択して下さい。"});
    EXPECT_EQ(window.log.size(), 1u);  // only the box
    EXPECT_EQ(board().DivCount, 0);

    StartGame(0);
    const engine::Board before = board();
    window.boxes.clear();
    window.log.clear();
    game.m1a_Click(2);
    EXPECT_EQ(window.boxes, std::vector<std::string>{"エラー|0|ゲームが開始されていますので選択できません。"});
    EXPECT_EQ(window.log.size(), 1u);
    EXPECT_EQ(board(), before);
    EXPECT_EQ(state().ShuffleLimit, 15);
}

TEST_F(BoardSetup, StoredOptionSetsTheLimitAndOnlyOneToNinetyNineIsStored) {
    EXPECT_TRUE(game.StoreClickSu(20));
    for (int refused : {0, -5, 100, 32767}) EXPECT_FALSE(game.StoreClickSu(refused)) << refused;
    EXPECT_EQ(game.Shared().ClickSu, 20);
    StartGame(2);
    EXPECT_EQ(state().ShuffleLimit, 60);
    game.m1b_Click();
    EXPECT_TRUE(game.StoreClickSu(99));
    StartGame(3);
    EXPECT_EQ(state().ShuffleLimit, 396);
}
