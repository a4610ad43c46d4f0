// The sequencer's command set on the real engine (silent driver): replies,
// failures and the tune's modes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "pcm_analysis.h"
#include "platform/audio/audio.h"
#include "test_tunes.h"

namespace {

using platform::mciSendString;

long Send(const std::string& command) { return mciSendString(command, nullptr, 0); }

std::string Mode(const std::string& alias = "midifile") {
    char reply[16];
    std::memset(reply, ' ', sizeof reply);
    if (mciSendString("status " + alias + " mode", reply, 15) != platform::kMciOk) return "<failed>";
    return std::string(reply);
}

class SequencerTest : public ::testing::Test {
protected:
    void SetUp() override { platform::ShutdownAudio(); }
    void TearDown() override { platform::ShutdownAudio(); }

    // Long enough to be still playing however long a busy machine takes
    // between a command and the next query.
    const std::string tune =
        soundtest::WriteTempFile("seq_tune.mid", soundtest::PercussionTune({{0.0, 76}, {0.4, 76}}, 20.0));
};

TEST_F(SequencerTest, OpenPlayStopCloseWalkTheModes) {
    ASSERT_EQ(Send("open \"" + tune + "\" type sequencer alias midifile"), platform::kMciOk);
    EXPECT_EQ(Mode(), "stopped");
    ASSERT_EQ(Send("play midifile from 0"), platform::kMciOk);
    EXPECT_EQ(Mode(), "playing");
    ASSERT_EQ(Send("stop midifile "), platform::kMciOk);
    EXPECT_EQ(Mode(), "stopped");
    ASSERT_EQ(Send("close midifile"), platform::kMciOk);
    EXPECT_EQ(Mode(), "<failed>");
}

TEST_F(SequencerTest, TuneReportsStoppedOnceItHasPlayedToItsEnd) {
    const std::string shortTune =
        soundtest::WriteTempFile("seq_short.mid", soundtest::PercussionTune({{0.0, 76}, {0.4, 76}}, 2.0));
    ASSERT_EQ(Send("open " + shortTune + " type sequencer alias midifile"), platform::kMciOk);
    Send("play midifile from 0");
    EXPECT_TRUE(soundtest::RunUntil([] { return Mode() == "stopped"; }));
    Send("play midifile from 0");
    EXPECT_EQ(Mode(), "playing");
    EXPECT_EQ(Send("stop midifile"), platform::kMciOk);  // the trailing blank is optional
    EXPECT_EQ(Mode(), "stopped");
}

TEST_F(SequencerTest, FailedQueryLeavesTheBufferAlone) {
    char reply[16];
    std::memset(reply, ' ', sizeof reply);
    EXPECT_NE(mciSendString("status midifile mode", reply, 15), platform::kMciOk);
    EXPECT_EQ(std::string(reply, 16), std::string(16, ' '));
}

TEST_F(SequencerTest, ReplyIsCutToItsLength) {
    Send("open \"" + tune + "\" type sequencer alias midifile");
    char reply[8];
    std::memset(reply, 'x', sizeof reply);
    ASSERT_EQ(mciSendString("status midifile mode", reply, 4), platform::kMciOk);
    EXPECT_STREQ(reply, "sto");
    EXPECT_EQ(reply[4], 'x');
}

TEST_F(SequencerTest, CommandsOnAClosedAliasFailQuietly) {
    EXPECT_EQ(Send("stop midifile "), platform::kMciNotOpen);
    EXPECT_EQ(Send("close midifile"), platform::kMciNotOpen);
    EXPECT_EQ(Send("play midifile from 0"), platform::kMciNotOpen);
}

TEST_F(SequencerTest, BadOpensLeaveTheAliasClosed) {
    const std::string notMidi =
        soundtest::WriteTempFile("not_midi.mid", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Send("open /no/such/file.mid type sequencer alias midifile"), platform::kMciBadFile);
    EXPECT_EQ(Send("open \"" + notMidi + "\" type sequencer alias midifile"), platform::kMciBadFile);
    EXPECT_EQ(Send("open \"" + tune + "\" type waveaudio alias midifile"), platform::kMciBadCommand);
    EXPECT_EQ(Send("open \"" + tune + "\" type sequencer alias"), platform::kMciBadCommand);
    EXPECT_EQ(Mode(), "<failed>");
}

TEST_F(SequencerTest, UnquotedPathWithABlankFailsAndTheQuotedOneOpens) {
    const auto folder = soundtest::TempFolder() / "sound tests";
    std::filesystem::create_directories(folder);
    const std::string spaced = (folder / "tune.mid").string();
    std::filesystem::copy_file(tune, spaced, std::filesystem::copy_options::overwrite_existing);
    EXPECT_NE(Send("open " + spaced + " type sequencer alias midifile"), platform::kMciOk);
    EXPECT_EQ(Send("open \"" + spaced + "\" type sequencer alias midifile"), platform::kMciOk);
}

TEST_F(SequencerTest, AProgramFolderWithAQuoteInItsNameStillOpensTheTune) {
    const auto folder = soundtest::TempFolder() / "a\"b" / "c \" type d";
    std::filesystem::create_directories(folder);
    const std::string quoted = (folder / "QUIL9702.mid").string();
    std::filesystem::copy_file(tune, quoted, std::filesystem::copy_options::overwrite_existing);
    // As the sound operations send it: the whole path in quotes.
    ASSERT_EQ(Send("open \"" + quoted + "\" type sequencer alias midifile"), platform::kMciOk);
    ASSERT_EQ(Send("play midifile from 0"), platform::kMciOk);
    EXPECT_EQ(Mode(), "playing");
}

TEST_F(SequencerTest, OneTuneIsOpenAtATime) {
    ASSERT_EQ(Send("open \"" + tune + "\" type sequencer alias midifile"), platform::kMciOk);
    EXPECT_EQ(Send("open \"" + tune + "\" type sequencer alias MIDIFILE"), platform::kMciBadCommand);
}

TEST_F(SequencerTest, UnknownWordsAndPositionsAreRefused) {
    Send("open \"" + tune + "\" type sequencer alias midifile");
    EXPECT_EQ(Send("rewind midifile"), platform::kMciBadCommand);
    EXPECT_EQ(Send(""), platform::kMciBadCommand);
    EXPECT_EQ(Send("play midifile from 500"), platform::kMciBadCommand);
    EXPECT_EQ(Send("play midifile backwards"), platform::kMciBadCommand);
    EXPECT_EQ(Send("status midifile length"), platform::kMciBadCommand);
    EXPECT_EQ(Mode(), "stopped");
}

TEST_F(SequencerTest, ShutdownClosesEveryTune) {
    Send("open \"" + tune + "\" type sequencer alias midifile");
    Send("play midifile from 0");
    platform::ShutdownAudio();
    EXPECT_EQ(Mode(), "<failed>");
}

}  // namespace
