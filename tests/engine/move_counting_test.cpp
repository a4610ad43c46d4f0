// Counting moves, the automatic reshuffle and the game over.
#include <gtest/gtest.h>

#include "engine/msgbox_codes.h"
#include "support/game_fixture.h"

using testsupport::GameFixture;

class MoveCounting : public GameFixture {
protected:
    // Plays that many counted moves.
    void PlayMoves(int count) {
        for (int i = 0; i < count; ++i) ClickNeighbour();
    }
    int Pops() const {
        int n = 0;
        for (const auto& call : sound.calls) n += call == "WavePlay /opt/pernoka/Pop.wav";
        return n;
    }
};

TEST_F(MoveCounting, FirstMoveReplacesTheProgramTitle) {
    StartGame(0);
    EXPECT_EQ(window.caption, "ペルノカ Ver.0.2");
    ClickNeighbour();
    EXPECT_EQ(window.caption, "1回目");
    EXPECT_EQ(sound.calls.back(), "WavePlay /opt/pernoka/Pop.wav");
}

TEST_F(MoveCounting, SixteenthMoveReshufflesAndFortyEighthEndsTheGame) {
    StartGame(0);
    const int rndAfterStart = random.rndCalls;
    PlayMoves(15);
    EXPECT_EQ(window.caption, "15回目");
    EXPECT_EQ(state().MoveCount, 15);
    EXPECT_EQ(state().ShuffleCount, 0);
    EXPECT_EQ(random.rndCalls, rndAfterStart);

    window.log.clear();
    const int16_t sixteenth = Neighbour();
    ClickNeighbour();  // the 16th
    EXPECT_EQ(state().MoveCount, 0);
    EXPECT_EQ(state().ShuffleCount, 1);
    EXPECT_EQ(state().Playing, 1);
    EXPECT_EQ(window.caption, "0回目");
    EXPECT_EQ(window.log, (std::vector<std::string>{"Board Slid " + std::to_string(sixteenth), "SetCaption 16回目",
                                                    "SetCaption 0回目", "Board Reshuffled"}));
    EXPECT_EQ(window.board, board());
    EXPECT_EQ(random.rndCalls - rndAfterStart, 600);
    EXPECT_EQ(random.randomizeCalls, 1);  // the reshuffle goes on with the same sequence
    EXPECT_EQ(Pops(), 16);

    PlayMoves(16);  // the 32nd
    EXPECT_EQ(state().ShuffleCount, 2);
    EXPECT_EQ(window.caption, "0回目");
    EXPECT_TRUE(window.boxes.empty());

    window.answers.push_back(engine::vbNo);
    PlayMoves(15);
    EXPECT_EQ(window.caption, "15回目");
    sound.calls.clear();
    ClickNeighbour();  // the 48th
    EXPECT_EQ(window.boxes, std::vector<std::string>{"ペルノカ Ver.0.2|4|終了します。"});
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"WavePlay /opt/pernoka/Pop.wav", "WaveStop", "MidiStop",
                                                     "WavePlay /opt/pernoka/GameEnd.wav", "MidiStop", "WaveStop"}));
    // No: the program runs on with no board.
    EXPECT_EQ(board().DivCount, 0);
    EXPECT_EQ(state().ShuffleCount, 0);
    EXPECT_EQ(state().PictureLoaded, 0);
    EXPECT_EQ(window.board.DivCount, 0);
    EXPECT_EQ(window.caption, "0回目");
    EXPECT_EQ(window.endProcessCalls, 0);
}

TEST_F(MoveCounting, YesAtTheGameOverEndsTheProcessWithoutAReset) {
    ASSERT_TRUE(game.StoreClickSu(1));
    StartGame(0);
    window.answers.push_back(engine::vbYes);
    PlayMoves(6);  // reshuffles after moves 2, 4 and 6
    EXPECT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.endProcessCalls, 1);
    EXPECT_EQ(board().DivCount, 3);  // ended, not reset
    EXPECT_EQ(sound.calls.back(), "WaveStop");
    EXPECT_EQ(sound.calls[sound.calls.size() - 2], "MidiStop");
}

TEST_F(MoveCounting, SoundOffMovesAndGameOverAreSilent) {
    game.SwitchSound(false);
    sound.calls.clear();
    ASSERT_TRUE(game.StoreClickSu(1));
    StartGame(0);
    window.answers.push_back(engine::vbNo);
    PlayMoves(5);
    EXPECT_TRUE(sound.calls.empty());
    ClickNeighbour();  // game over: straight to the question, then Reset's stops
    EXPECT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"MidiStop", "WaveStop"}));
}

TEST_F(MoveCounting, IllegalClicksNeverBringAReshuffleCloser) {
    StartGame(0);
    PlayMoves(15);
    for (int i = 0; i < 500; ++i) game.Canv_MouseDown(FarTile(), 1, 0, 0, 0);
    EXPECT_EQ(state().MoveCount, 15);
    EXPECT_EQ(state().ShuffleCount, 0);
    EXPECT_EQ(window.caption, "15回目");
    EXPECT_EQ(Pops(), 15);
}

TEST_F(MoveCounting, LimitsOfLargerBoards) {
    StartGame(3);  // 6 × 6: limit 60
    PlayMoves(60);
    EXPECT_EQ(state().ShuffleCount, 0);
    ClickNeighbour();
    EXPECT_EQ(state().ShuffleCount, 1);
    EXPECT_EQ(state().MoveCount, 0);
}

TEST_F(MoveCounting, SolvingThePictureChangesNothing) {
    StartSolved(0);
    game.Canv_MouseDown(8, 1, 0, 0, 0);
    game.Canv_MouseDown(8, 1, 0, 0, 0);  // solved again
    EXPECT_EQ(state().MoveCount, 2);
    EXPECT_EQ(state().Playing, 1);
    EXPECT_EQ(window.caption, "2回目");
}
