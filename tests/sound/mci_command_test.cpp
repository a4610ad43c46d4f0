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

TEST(MciCommand, AQuotedFileNameMayHoldQuotesUpToTheLastBeforeType) {
    const auto c = ParseMciCommand("open \"/home/u/a\"b/ゲーム \"1\"/QUIL9702.mid\" type sequencer alias midifile");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->target, "/home/u/a\"b/ゲーム \"1\"/QUIL9702.mid");
    EXPECT_THAT(c->args, ElementsAre("type", "sequencer", "alias", "midifile"));

    // Even a folder whose name reads like the keyword: only the last one counts.
    const auto tricky = ParseMciCommand("open \"/x\" type y/t.mid\" TYPE sequencer alias midifile");
    ASSERT_TRUE(tricky);
    EXPECT_EQ(tricky->target, "/x\" type y/t.mid");
    EXPECT_THAT(tricky->args, ElementsAre("type", "sequencer", "alias", "midifile"));
}

TEST(MciCommand, OtherVerbsAndTypelessOpensKeepTheirQuotesAsBefore) {
    const auto c = ParseMciCommand("open \"/a b/x.mid\" alias midifile");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->target, "/a b/x.mid");
    EXPECT_THAT(c->args, ElementsAre("alias", "midifile"));
    const auto s = ParseMciCommand("status \"midi file\" mode");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->target, "midi file");
    EXPECT_THAT(s->args, ElementsAre("mode"));
}

}  // namespace
