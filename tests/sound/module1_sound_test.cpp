// The four sound operations and the watch, against a device that records
// every call and answers the status query as told.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "pcm_analysis.h"
#include "sound/sound.h"

namespace {

using ::testing::Each;
using ::testing::ElementsAre;

struct Recorder {
    std::vector<std::string> commands;  // mciSendString commands, in order
    std::vector<std::string> waves;     // sndPlaySound file names, "<null>" for none
    std::vector<unsigned> replyLengths;      // per command
    std::vector<std::string> replyBuffers;   // what each status query was handed
    std::optional<std::string> statusReply;  // nullopt: the query fails
};

class RecordingDevice final : public sound::SoundDevice {
public:
    explicit RecordingDevice(Recorder& r) : r_(r) {}
    long mciSendString(const std::string& command, char* reply, unsigned replyLength) override {
        r_.commands.push_back(command);
        r_.replyLengths.push_back(replyLength);
        if (command.rfind("status", 0) != 0) return reply ? 99 : 0;  // only the query gets a buffer
        r_.replyBuffers.emplace_back(reply, 16);
        if (!r_.statusReply) return 263;
        const size_t n = std::min<size_t>(r_.statusReply->size(), replyLength - 1);
        std::memcpy(reply, r_.statusReply->data(), n);
        reply[n] = '\0';
        return 0;
    }
    void sndPlaySound(const char* file) override { r_.waves.push_back(file ? file : "<null>"); }
    void PrepareTune(const std::string&) override {}

private:
    Recorder& r_;
};

class Module1SoundTest : public ::testing::Test {
protected:
    std::vector<std::string> CommandsAfterClear(const std::function<void()>& action) {
        rec.commands.clear();
        action();
        return rec.commands;
    }
    // One pass of the event loop that ends in waiting: the watch's moment.
    static void IdleOnce() { soundtest::RunEventLoopFor(0); }

    Recorder rec;
    sound::Module1Sound sound{std::make_unique<RecordingDevice>(rec)};
};

TEST_F(Module1SoundTest, MidiPlayStopsClosesOpensQuotedAndPlaysFromZero) {
    sound.MidiPlay("/opt/my games/pernoka/QUIL9702.mid");
    EXPECT_THAT(rec.commands, ElementsAre("stop midifile ", "close midifile",
                                          "open \"/opt/my games/pernoka/QUIL9702.mid\" type sequencer alias midifile",
                                          "play midifile from 0"));
    // Every command but the query goes without a reply buffer.
    EXPECT_THAT(rec.replyLengths, Each(0u));
}

TEST_F(Module1SoundTest, SecondMidiPlayRestartsWithTheSameSequence) {
    sound.MidiPlay("/a/QUIL9702.mid");
    const auto again = CommandsAfterClear([&] { sound.MidiPlay("/a/QUIL9702.mid"); });
    EXPECT_THAT(again, ElementsAre("stop midifile ", "close midifile",
                                   "open \"/a/QUIL9702.mid\" type sequencer alias midifile", "play midifile from 0"));
}

TEST_F(Module1SoundTest, MidiStopKeepsTheTrailingBlankOfStop) {
    sound.MidiStop();
    EXPECT_THAT(rec.commands, ElementsAre("stop midifile ", "close midifile"));
    EXPECT_TRUE(rec.waves.empty());
}

TEST_F(Module1SoundTest, WaveStopPassesNoFile) {
    sound.WavePlay("/a/Pop.wav");
    sound.WaveStop();
    EXPECT_THAT(rec.waves, ElementsAre("/a/Pop.wav", "<null>"));
    EXPECT_TRUE(rec.commands.empty());
}

TEST_F(Module1SoundTest, NoWatchBeforeTheFirstMidiPlay) {
    rec.statusReply = "stopped";
    sound.MidiStop();
    IdleOnce();
    EXPECT_THAT(rec.commands, ElementsAre("stop midifile ", "close midifile"));
}

TEST_F(Module1SoundTest, WatchQueriesWithSixteenBlanksAndLengthFifteen) {
    rec.statusReply = "playing";
    sound.MidiPlay("/a/QUIL9702.mid");
    sound.Watch();
    ASSERT_EQ(rec.commands.back(), "status midifile mode");
    EXPECT_EQ(rec.replyLengths.back(), 15u);
    EXPECT_EQ(rec.replyBuffers.back(), std::string(16, ' '));
}

class WatchReplies : public Module1SoundTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(WatchReplies, StoppedInAnyCaseIsPlayedAgainFromZeroWhenTheLoopIdles) {
    rec.statusReply = GetParam();
    sound.MidiPlay("/a/QUIL9702.mid");
    const auto commands = CommandsAfterClear([] { IdleOnce(); });
    ASSERT_FALSE(commands.empty()) << "the watch did not run when the event loop went idle";
    // Each query answered stopped is followed by exactly one replay.
    for (size_t i = 0; i < commands.size(); i += 2) {
        EXPECT_EQ(commands[i], "status midifile mode");
        ASSERT_LT(i + 1, commands.size());
        EXPECT_EQ(commands[i + 1], "play midifile from 0");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WatchReplies, ::testing::Values("stopped", "Stopped", "STOPPED", "sToPpEd"));

class WatchLeavesAlone : public Module1SoundTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(WatchLeavesAlone, OtherModesOnlyQuery) {
    rec.statusReply = GetParam();
    sound.MidiPlay("/a/QUIL9702.mid");
    const auto commands = CommandsAfterClear([] { IdleOnce(); });
    ASSERT_FALSE(commands.empty());
    EXPECT_THAT(commands, Each(std::string("status midifile mode")));
}

INSTANTIATE_TEST_SUITE_P(Cases, WatchLeavesAlone,
                         ::testing::Values("playing", "paused", "seeking", "not ready", "stoppe", "", "stop"));

TEST_F(Module1SoundTest, FailedQueryKeepsBlanksAndReplaysNothing) {
    rec.statusReply.reset();
    sound.MidiPlay("/a/QUIL9702.mid");
    sound.MidiStop();
    const auto commands = CommandsAfterClear([&] { sound.Watch(); });
    EXPECT_THAT(commands, ElementsAre("status midifile mode"));
}

TEST_F(Module1SoundTest, WatchKeepsQueryingAfterMidiStop) {
    rec.statusReply = "stopped";
    sound.MidiPlay("/a/QUIL9702.mid");
    sound.MidiStop();
    const auto commands = CommandsAfterClear([] { IdleOnce(); });
    EXPECT_FALSE(commands.empty());
}

TEST(Module1SoundLifetime, DestroyedSoundNoLongerWatches) {
    Recorder rec;
    rec.statusReply = "stopped";
    {
        sound::Module1Sound sound(std::make_unique<RecordingDevice>(rec));
        sound.MidiPlay("/a/QUIL9702.mid");
    }
    rec.commands.clear();
    soundtest::RunEventLoopFor(0);
    EXPECT_TRUE(rec.commands.empty());
}

}  // namespace
