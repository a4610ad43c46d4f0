// The player on tunes made up here, frame by frame: the pass boundary, the
// pass played ahead of a replay, stop and resume, the ring-out, and a
// renderer that is still behind.
#include "platform/audio/pcm_player.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using platform::audio::PcmPlayer;
using platform::audio::RenderedTune;

constexpr int64_t kFade = 44100 / 50;  // a stop's fade
constexpr int64_t kAhead = 44100 / 2;  // the next pass without a replay

// Frame i of a made-up tune: left i % 20000 + 1, right its negative, so
// every frame says where in the tune it is from.
int16_t LeftOf(int64_t i) { return static_cast<int16_t>(i % 20000 + 1); }

std::vector<int16_t> Frames(int64_t from, int64_t count, int16_t offset = 0) {
    std::vector<int16_t> frames;
    for (int64_t i = from; i < from + count; ++i) {
        frames.push_back(static_cast<int16_t>(LeftOf(i) + offset));
        frames.push_back(static_cast<int16_t>(-LeftOf(i) - offset));
    }
    return frames;
}

// A pass of passFrames, then ringOut frames whose left channel is 7.
std::shared_ptr<RenderedTune> Tune(int64_t passFrames, int64_t ringOut = 0, bool complete = true) {
    auto tune = std::make_shared<RenderedTune>();
    const auto pass = Frames(0, passFrames);
    tune->Append(pass.data(), passFrames);
    if (!complete) return tune;
    tune->MarkPassEnd();
    const std::vector<int16_t> ring(static_cast<size_t>(ringOut) * 2, 7);
    tune->Append(ring.data(), ringOut);
    tune->Finish();
    return tune;
}

class Player : public testing::Test {
protected:
    // The next frames the device is given, in buffers of 1024.
    std::vector<int16_t> Next(int64_t frames) {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
        for (int64_t done = 0; done < frames; done += 1024)
            player.Render(out.data() + 2 * done, static_cast<int>(std::min<int64_t>(1024, frames - done)));
        return out;
    }
    static std::vector<int16_t> Left(const std::vector<int16_t>& frames) {
        std::vector<int16_t> left;
        for (size_t i = 0; i < frames.size(); i += 2) left.push_back(frames[i]);
        return left;
    }

    int passEnds = 0;
    PcmPlayer player{[this] { ++passEnds; }};
};

TEST_F(Player, TheNextPassFollowsTheLastFrameOfAPassOnTheVeryNextFrame) {
    const int id = player.Add(Tune(3000));
    player.PlayFromStart(id);
    EXPECT_EQ(player.ModeOf(id), PcmPlayer::Mode::Playing);
    EXPECT_EQ(Next(3000), Frames(0, 3000));
    EXPECT_EQ(passEnds, 0);
    EXPECT_EQ(Next(1000), Frames(0, 1000));
    // As far as anyone asks, the tune has stopped at its end...
    EXPECT_EQ(passEnds, 1);
    EXPECT_EQ(player.ModeOf(id), PcmPlayer::Mode::Stopped);
    // ...and the replay takes over the pass that plays on, with no jump.
    player.PlayFromStart(id);
    EXPECT_EQ(player.ModeOf(id), PcmPlayer::Mode::Playing);
    EXPECT_EQ(Next(1500), Frames(1000, 1500));
}

TEST_F(Player, APlayWithoutFromTakesTheNextPassOverToo) {
    const int id = player.Add(Tune(2000));
    player.PlayFromStart(id);
    Next(2500);
    player.Resume(id);
    EXPECT_EQ(player.ModeOf(id), PcmPlayer::Mode::Playing);
    EXPECT_EQ(Next(500), Frames(500, 500));
}

TEST_F(Player, WithoutAReplayTheNextPassFadesAwayAfterHalfASecond) {
    const int id = player.Add(Tune(30000));
    player.PlayFromStart(id);
    Next(30000);
    const auto ahead = Next(kAhead);
    EXPECT_EQ(ahead, Frames(0, kAhead));
    const auto after = Left(Next(kFade + 2048));
    for (int64_t i = 1; i < kFade; ++i) EXPECT_LE(std::abs(after[i]), std::abs(Frames(kAhead + i, 1)[0]));
    for (size_t i = kFade; i < after.size(); ++i) ASSERT_EQ(after[i], 0) << i;
    EXPECT_FALSE(player.Sounding());
    EXPECT_EQ(player.ModeOf(id), PcmPlayer::Mode::Stopped);
    // A later play starts the tune afresh.
    player.Resume(id);
    EXPECT_EQ(Next(100), Frames(0, 100));
}

TEST_F(Player, StopFadesAndALaterPlayGoesOnFromWhereItStopped) {
    const int id = player.Add(Tune(20000));
    player.PlayFromStart(id);
    Next(5000);
    player.Stop(id);
    EXPECT_EQ(player.ModeOf(id), PcmPlayer::Mode::Stopped);
    const auto fading = Left(Next(2048));
    EXPECT_LT(std::abs(fading[kFade - 1]), std::abs(fading[0]));
    for (size_t i = kFade; i < fading.size(); ++i) ASSERT_EQ(fading[i], 0) << i;
    EXPECT_FALSE(player.Sounding());

    player.Resume(id);
    const auto resumed = Next(3000);
    // Faded in from where it stopped, then sample for sample.
    EXPECT_LT(std::abs(resumed[0]), std::abs(Frames(5000, 1)[0]));
    const std::vector<int16_t> rest(resumed.begin() + 2 * kFade, resumed.end());
    EXPECT_EQ(rest, Frames(5000 + kFade, 3000 - kFade));
}

TEST_F(Player, PlayFromZeroInMidPassStartsAtTheFirstFrame) {
    const int id = player.Add(Tune(20000));
    player.PlayFromStart(id);
    Next(5000);
    player.PlayFromStart(id);
    const auto restarted = Next(3000);
    // The old place fades out under the new start...
    EXPECT_NE(restarted[0], Frames(0, 1)[0]);
    // ...and after the fade only the start is heard.
    const std::vector<int16_t> rest(restarted.begin() + 2 * kFade, restarted.end());
    EXPECT_EQ(rest, Frames(kFade, 3000 - kFade));
}

TEST_F(Player, WhatRingsOnAfterThePassSoundsOverTheNextPass) {
    const int id = player.Add(Tune(3000, 500));
    player.PlayFromStart(id);
    EXPECT_EQ(Next(3000), Frames(0, 3000));
    const auto seam = Next(1000);
    for (int64_t i = 0; i < 500; ++i) {
        ASSERT_EQ(seam[2 * i], LeftOf(i) + 7) << i;
        ASSERT_EQ(seam[2 * i + 1], -LeftOf(i) + 7) << i;
    }
    const std::vector<int16_t> rest(seam.begin() + 1000, seam.end());
    EXPECT_EQ(rest, Frames(500, 500));
}

TEST_F(Player, WaitsInPlaceWhileTheRendererIsBehind) {
    const auto tune = Tune(1000, 0, false);
    const int id = player.Add(tune);
    player.PlayFromStart(id);
    const auto first = Next(2048);
    EXPECT_EQ(std::vector<int16_t>(first.begin(), first.begin() + 2000), Frames(0, 1000));
    EXPECT_EQ(std::vector<int16_t>(first.begin() + 2000, first.end()), std::vector<int16_t>(2 * 1048, 0));
    EXPECT_TRUE(player.Sounding());  // the device must stay open for it
    const auto more = Frames(1000, 2000);
    tune->Append(more.data(), 2000);
    EXPECT_EQ(Next(2000), Frames(1000, 2000));  // not a frame skipped
}

TEST_F(Player, ATuneThatFailedToRenderIsSilentAndKeepsNothingOpen) {
    auto tune = std::make_shared<RenderedTune>();
    tune->Fail();
    const int id = player.Add(tune);
    EXPECT_EQ(player.ModeOf(id), PcmPlayer::Mode::Failed);
    player.PlayFromStart(id);
    EXPECT_FALSE(player.Sounding());
    EXPECT_EQ(Next(1024), std::vector<int16_t>(2048, 0));
}

TEST_F(Player, RemovingATuneLetsItFadeAndForgetsIt) {
    const int id = player.Add(Tune(20000));
    player.PlayFromStart(id);
    Next(1000);
    player.Remove(id);
    EXPECT_EQ(player.ModeOf(id), PcmPlayer::Mode::Failed);  // no such tune any more
    EXPECT_TRUE(player.Sounding());
    Next(kFade + 1024);
    EXPECT_FALSE(player.Sounding());
}

}  // namespace
