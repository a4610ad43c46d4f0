// "A game is on" is one rule. Before it, four commands each read a field of
// their own: picture choice DivCount ≠ 0, the options ShuffleLimit > 0, a
// start ShuffleLimit > 0 or ShuffleCount ≠ 0, the tune's preparation
// ShuffleLimit = 0. In every phase a player can reach, at every option the
// options window accepts, all of them give the answer of the one rule.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/msgbox_codes.h"
#include "support/game_fixture.h"

namespace {

struct Reading {
    bool rule;             // Game::IsOn()
    bool pictureRefused;   // DivCount ≠ 0
    bool optionsRefused;   // ShuffleLimit > 0
    bool startRefused;     // ShuffleLimit > 0, or ShuffleCount ≠ 0
    bool tuneNotPrepared;  // ShuffleLimit ≠ 0
};

class GameOn : public testsupport::GameFixture {
protected:
    void Read(const std::string& phase) {
        const engine::GameState& s = state();
        readings[phase].push_back({game.IsOn(), s.board.DivCount != 0, s.ShuffleLimit > 0,
                                   s.ShuffleLimit > 0 || s.ShuffleCount != 0, s.ShuffleLimit != 0});
    }

    // Plays until the game is over and answered No, reading every phase on
    // the way; the shuffles and the exit question are read from inside.
    void PlayAGameThrough(int16_t index) {
        random.onRnd = [this] { Read(clicking ? "reshuffling" : "shuffling"); };
        window.onMsgBox = [this] {
            if (window.boxes.back().find("終了します。") != std::string::npos) Read("game over");
        };
        window.answers.push_back(engine::vbNo);
        game.PictureChosen("/pics/a.jpg", true);
        Read("idle, picture ready");
        game.m1a_Click(index);
        while (game.IsOn()) {
            Read(state().ShuffleCount == 0 ? "playing" : "playing after a reshuffle");
            clicking = true;
            ClickNeighbour();
            clicking = false;
        }
        Read("idle after the game over");
        random.onRnd = nullptr;
        window.onMsgBox = nullptr;
    }

    bool clicking = false;
    std::map<std::string, std::vector<Reading>> readings;
};

TEST_F(GameOn, EveryReachablePhaseGivesTheSameAnswerAsBefore) {
    const std::map<std::string, bool> phases = {
        {"idle, no picture", false},   {"idle, picture ready", false},
        {"shuffling", true},           {"playing", true},
        {"reshuffling", true},         {"playing after a reshuffle", true},
        {"game over", true},           {"idle after the game over", false},
        {"idle after a reset", false}, {"idle after exit answered no", false},
    };
    for (const int clickSu : {int{engine::kClickSuMin}, 15, int{engine::kClickSuMax}}) {
        SCOPED_TRACE(clickSu);
        readings.clear();
        game.Load("/opt/pernoka/");
        ASSERT_TRUE(game.StoreClickSu(clickSu));
        Read("idle, no picture");
        PlayAGameThrough(0);
        PlayAGameThrough(3);

        game.PictureChosen("/pics/b.jpg", true);
        game.m1a_Click(1);
        ClickNeighbour();
        game.m1b_Click();
        Read("idle after a reset");
        window.answers.push_back(engine::vbNo);
        game.m4_Click();
        Read("idle after exit answered no");

        for (const auto& [phase, on] : phases) {
            SCOPED_TRACE(phase);
            ASSERT_FALSE(readings[phase].empty());
            for (const Reading& r : readings[phase]) {
                ASSERT_EQ(r.rule, on);
                ASSERT_EQ(r.pictureRefused, on);
                ASSERT_EQ(r.optionsRefused, on);
                ASSERT_EQ(r.startRefused, on);
                ASSERT_EQ(r.tuneNotPrepared, on);
            }
        }
        EXPECT_EQ(readings.size(), phases.size());
    }
}

}  // namespace
