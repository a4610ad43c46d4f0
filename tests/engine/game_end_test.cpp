// Reset and Exit, from any phase.
#include <gtest/gtest.h>

#include "engine/msgbox_codes.h"
#include "support/game_fixture.h"

using testsupport::GameFixture;

class GameEnd : public GameFixture {};

TEST_F(GameEnd, AGameIsOnFromAStartUntilTheResetOrTheGameOver) {
    EXPECT_FALSE(game.IsOn());
    game.PictureChosen("/pics/a.jpg", true);
    EXPECT_FALSE(game.IsOn());
    game.m1a_Click(0);
    EXPECT_TRUE(game.IsOn());
    game.m1b_Click();
    EXPECT_FALSE(game.IsOn());

    // Still on while the game over asks; off once it is answered No.
    StartGame(0);
    bool onAtTheQuestion = false;
    window.onMsgBox = [&] { onAtTheQuestion = game.IsOn(); };
    window.answers.push_back(engine::vbNo);
    for (int move = 0; move < 200 && game.IsOn(); ++move) {
        ClickNeighbour();
        if (state().ShuffleCount > 0) {
            EXPECT_TRUE(game.IsOn());
        }
    }
    EXPECT_EQ(window.Count("Board Cleared"), 2);
    EXPECT_TRUE(onAtTheQuestion);
    EXPECT_FALSE(game.IsOn());
}

TEST_F(GameEnd, ResetBeforeAnyGame) {
    game.PictureChosen("/pics/a.jpg", true);
    game.m1b_Click();
    EXPECT_EQ(window.caption, "0回目");
    EXPECT_EQ(state().PictureLoaded, 0);
    EXPECT_EQ(state().PicturePath, "/pics/a.jpg");
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"MidiStop", "WaveStop"}));
    EXPECT_EQ(window.log, (std::vector<std::string>{"Board Cleared", "SetCaption 0回目", "SetBackColor 0"}));
    game.m1a_Click(0);
    EXPECT_EQ(window.boxes, std::vector<std::string>{"エラー|0|画像を選択して下さい。"});
}

TEST_F(GameEnd, ResetDuringAGameClearsTheGameAndKeepsTheOptions) {
    ASSERT_TRUE(game.StoreClickSu(7));
    StartGame(2);
    ClickNeighbour();
    game.m1b_Click();
    EXPECT_EQ(window.log.front(), "Board NewBoard");
    EXPECT_EQ(window.Count("Board Cleared"), 1);
    EXPECT_EQ(window.board.DivCount, 0);
    EXPECT_FALSE(game.IsOn());
    EXPECT_EQ(state().ShuffleLimit, 0);
    EXPECT_EQ(state().MoveCount, 0);
    EXPECT_EQ(state().Playing, 0);
    EXPECT_EQ(game.Shared().ClickSu, 7);
    EXPECT_EQ(state().BgmOn, 1);
    EXPECT_EQ(window.caption, "0回目");

    // Twice in a row: only the title, the stops and the colour again.
    window.log.clear();
    sound.calls.clear();
    game.m1b_Click();
    EXPECT_EQ(window.log, (std::vector<std::string>{"Board Cleared", "SetCaption 0回目", "SetBackColor 0"}));
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
    EXPECT_EQ(window.Count("Board Cleared"), 0);
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
    EXPECT_EQ(board().DivCount, 4);
    EXPECT_EQ(state().ShuffleLimit, 30);
    EXPECT_EQ(state().MoveCount, 0);
    EXPECT_EQ(sound.calls.back(), "MidiPlay /opt/pernoka/QUIL9702.mid");
}
