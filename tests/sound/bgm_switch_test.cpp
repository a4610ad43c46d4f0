// The ＢＧＭ menu handler: check marks, the switch BgmOn and the sound calls,
// each call recorded with the value BgmOn had at that moment.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "sound/bgm_switch.h"

#include "engine/game.h"
#include "support/fake_board.h"

namespace {

using ::testing::ElementsAre;

// The check marks as the menu shows them, and each time they were set (with
// the value BgmOn had by then).
class FakeMenu final : public sound::BgmMenu {
public:
    explicit FakeMenu(const engine::Game& game) : game_(game) {}
    void ShowBgmSwitch(bool on) override {
        marks = {on, !on};
        calls.push_back(std::string(on ? "ON" : "OFF") + " @" + std::to_string(game_.State().BgmOn));
    }

    std::array<bool, 2> marks{true, false};  // start-up checks "ON"
    std::vector<std::string> calls;

private:
    const engine::Game& game_;
};

class RecordingPort final : public engine::SoundPort {
public:
    explicit RecordingPort(const engine::Game& game) : game_(game) {}
    void MidiPlay(const std::string& file) override { Log("MidiPlay " + file); }
    void MidiStop() override { Log("MidiStop"); }
    void WavePlay(const std::string& file) override { Log("WavePlay " + file); }
    void WaveStop() override { Log("WaveStop"); }
    void PrepareTune(const std::string& file) override { Log("PrepareTune " + file); }

    std::vector<std::string> calls;

private:
    void Log(const std::string& call) { calls.push_back(call + " @" + std::to_string(game_.State().BgmOn)); }
    const engine::Game& game_;
};

class BgmSwitchTest : public ::testing::Test {
protected:
    BgmSwitchTest() { game.Load("/home/u/ペルノカ/"); }
    void Click(int16_t index) { sound::m3a_Click(index, menu, game); }
    int16_t BgmOn() const { return game.State().BgmOn; }

    testsupport::FakeWindow window;
    testsupport::ScriptedRandom random;
    RecordingPort port{game};
    engine::Game game{window, port, random};
    FakeMenu menu{game};
};

TEST_F(BgmSwitchTest, OnRestartsTheTuneThenSetsTheSwitch) {
    Click(sound::kBgmOffIndex);
    menu.calls.clear();
    port.calls.clear();
    Click(sound::kBgmOnIndex);
    EXPECT_THAT(menu.calls, ElementsAre("ON @1"));  // the marks follow the switch
    EXPECT_THAT(menu.marks, ElementsAre(true, false));
    EXPECT_EQ(BgmOn(), 1);
    // MidiPlay runs while the switch still reads 0.
    EXPECT_THAT(port.calls, ElementsAre("MidiPlay /home/u/ペルノカ/QUIL9702.mid @0"));
}

TEST_F(BgmSwitchTest, OffClearsTheSwitchThenSilencesEverything) {
    Click(sound::kBgmOffIndex);
    EXPECT_THAT(menu.calls, ElementsAre("OFF @0"));
    EXPECT_THAT(menu.marks, ElementsAre(false, true));
    EXPECT_EQ(BgmOn(), 0);
    EXPECT_THAT(port.calls, ElementsAre("MidiStop @0", "WaveStop @0"));
}

TEST_F(BgmSwitchTest, OnTwiceRestartsTwiceAndLeavesOnlyOnChecked) {
    Click(sound::kBgmOnIndex);
    Click(sound::kBgmOnIndex);
    EXPECT_THAT(menu.marks, ElementsAre(true, false));
    EXPECT_EQ(BgmOn(), 1);
    EXPECT_THAT(port.calls,
                ElementsAre("MidiPlay /home/u/ペルノカ/QUIL9702.mid @1", "MidiPlay /home/u/ペルノカ/QUIL9702.mid @1"));
}

TEST_F(BgmSwitchTest, OffThenOnTurnsTheSwitchBackOn) {
    Click(sound::kBgmOffIndex);
    Click(sound::kBgmOnIndex);
    EXPECT_EQ(BgmOn(), 1);
    EXPECT_THAT(menu.marks, ElementsAre(true, false));
    EXPECT_THAT(port.calls, ElementsAre("MidiStop @0", "WaveStop @0", "MidiPlay /home/u/ペルノカ/QUIL9702.mid @0"));
}

TEST_F(BgmSwitchTest, UnknownIndexChangesNothing) {
    Click(2);
    Click(-1);
    EXPECT_TRUE(menu.calls.empty());
    EXPECT_TRUE(port.calls.empty());
    EXPECT_EQ(BgmOn(), 1);
}

}  // namespace
