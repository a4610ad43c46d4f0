// Splitting MCI command strings, quoted file names included.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/audio/mci_command.h"

namespace {

using platform::audio::ParseMciCommand;
using ::testing::ElementsAre;

TEST(MciCommand, QuotedPathKeepsItsBlanksAndCase) {
    const auto c = ParseMciCommand("open \"/home/A B/QUIL9702.mid\" type sequencer alias midifile");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->verb, "open");
    EXPECT_EQ(c->target, "/home/A B/QUIL9702.mid");
    EXPECT_THAT(c->args, ElementsAre("type", "sequencer", "alias", "midifile"));
}

TEST(MciCommand, UnquotedPathEndsAtTheFirstBlank) {
    const auto c = ParseMciCommand("open /home/A B/x.mid type sequencer alias midifile");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->target, "/home/A");
    EXPECT_THAT(c->args, ElementsAre("b/x.mid", "type", "sequencer", "alias", "midifile"));
}

TEST(MciCommand, KeywordsAreLoweredAndExtraBlanksIgnored) {
    const auto c = ParseMciCommand("  STOP   MidiFile  ");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->verb, "stop");
    EXPECT_EQ(c->target, "MidiFile");
    EXPECT_TRUE(c->args.empty());

    const auto s = ParseMciCommand("Status midifile MODE");
    ASSERT_TRUE(s);
    EXPECT_THAT(s->args, ElementsAre("mode"));
}

TEST(MciCommand, EmptyOrUnclosedQuoteIsRejected) {
    EXPECT_FALSE(ParseMciCommand(""));
    EXPECT_FALSE(ParseMciCommand("   "));
    EXPECT_FALSE(ParseMciCommand("open \"/no/end.mid type sequencer"));
}

}  // namespace
