// The tune loop on tunes made up here, frame by frame: the seam between two
// passes, the stopped state from a pass end until the next play, stop and
// restart, a renderer that is still behind, and who frees a tune.
#include "platform/audio/tune_loop.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using platform::audio::RenderedTune;
using platform::audio::TuneLoop;

constexpr int64_t kFade = 44100 / 50;  // a stop's fade

// Frame i of a made-up tune: left i % 20000 + 1, right its negative, so
// every frame says where in the tune it is from.
int16_t LeftOf(int64_t i) { return static_cast<int16_t>(i % 20000 + 1); }

std::vector<int16_t> Frames(int64_t from, int64_t count) {
    std::vector<int16_t> frames;
    for (int64_t i = from; i < from + count; ++i) {
        frames.push_back(LeftOf(i));
        frames.push_back(static_cast<int16_t>(-LeftOf(i)));
    }
    return frames;
}

// A pass of passFrames, then ringOut frames of 7 on both channels.
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

class Loop : public testing::Test {
protected:
    // The next frames the device is given, in buffers of 1024.
    std::vector<int16_t> Next(int64_t frames) {
        std::vector<int32_t> mix(static_cast<size_t>(frames) * 2, 0);
        for (int64_t done = 0; done < frames; done += 1024)
            passEnds += loop.Mix(mix.data() + 2 * done, static_cast<int>(std::min<int64_t>(1024, frames - done)));
        return {mix.begin(), mix.end()};
    }
    static std::vector<int16_t> Left(const std::vector<int16_t>& frames) {
        std::vector<int16_t> left;
        for (size_t i = 0; i < frames.size(); i += 2) left.push_back(frames[i]);
        return left;
    }

    int passEnds = 0;
    TuneLoop loop;
};

TEST_F(Loop, StoppedFromAPassEndUntilTheNextPlayWhichTakesThePlayingPassOver) {
    const auto tune = Tune(3000);
    loop.Play(tune);
    EXPECT_TRUE(loop.Playing());
    EXPECT_EQ(Next(2999), Frames(0, 2999));
    EXPECT_EQ(passEnds, 0);
    EXPECT_TRUE(loop.Playing());
    // Once the last frame has played, the tune reports itself stopped, as a
    // sequencer at its end does, and the next pass begins on the very next
    // frame...
    const auto seam = Next(1001);
    EXPECT_EQ(std::vector<int16_t>(seam.begin(), seam.begin() + 2), Frames(2999, 1));
    EXPECT_EQ(std::vector<int16_t>(seam.begin() + 2, seam.end()), Frames(0, 1000));
    EXPECT_EQ(passEnds, 1);
    EXPECT_FALSE(loop.Playing());
    // ...through further pass ends, for as long as no play comes...
    EXPECT_EQ(Next(2000), Frames(1000, 2000));
    EXPECT_EQ(Next(1000), Frames(0, 1000));
    EXPECT_EQ(passEnds, 2);
    EXPECT_FALSE(loop.Playing());
    EXPECT_TRUE(loop.Looping());
    // ...and the watch's replay takes over the pass that plays on, with no jump.
    loop.Play(tune);
    EXPECT_TRUE(loop.Playing());
    EXPECT_EQ(Next(1500), Frames(1000, 1500));
}

TEST_F(Loop, WhatRingsOnAfterThePassSoundsOverTheNextPassSampleForSample) {
    loop.Play(Tune(3000, 500));
    EXPECT_EQ(Next(2900), Frames(0, 2900));
    // The seam falls inside one buffer of the device.
    const auto seam = Next(1100);
    EXPECT_EQ(std::vector<int16_t>(seam.begin(), seam.begin() + 200), Frames(2900, 100));
    for (int64_t i = 0; i < 500; ++i) {
        ASSERT_EQ(seam[200 + 2 * i], LeftOf(i) + 7) << i;
        ASSERT_EQ(seam[200 + 2 * i + 1], -LeftOf(i) + 7) << i;
    }
    EXPECT_EQ(std::vector<int16_t>(seam.begin() + 1200, seam.end()), Frames(500, 500));
}

TEST_F(Loop, StopFadesWithinTwentyMillisecondsAndPlayStartsAtTheFirstFrame) {
    const auto tune = Tune(20000, 500);
    loop.Play(tune);
    Next(25000);  // into the second pass, the ring-out of the first still sounding
    loop.Stop();
    EXPECT_FALSE(loop.Playing());
    EXPECT_FALSE(loop.Looping());
    const auto fading = Left(Next(2048));
    EXPECT_LT(std::abs(fading[kFade - 1]), std::abs(fading[0]) / 100);
    for (size_t i = kFade; i < fading.size(); ++i) ASSERT_EQ(fading[i], 0) << i;
    loop.Play(tune);
    EXPECT_EQ(Next(3000), Frames(0, 3000));
}

TEST_F(Loop, PlayInMidPassStartsAtTheFirstFrameOverTheOldPlaceFadingOut) {
    const auto tune = Tune(20000);
    loop.Play(tune);
    Next(5000);
    loop.Play(tune);
    const auto restarted = Next(3000);
    EXPECT_NE(restarted[0], Frames(0, 1)[0]);
    const std::vector<int16_t> rest(restarted.begin() + 2 * kFade, restarted.end());
    EXPECT_EQ(rest, Frames(kFade, 3000 - kFade));
}

TEST_F(Loop, StartsOnceAQuarterOfASecondIsRenderedThenWaitsInPlaceWhileTheRendererIsBehind) {
    constexpr int64_t kLead = 44100 / 4;
    const auto tune = Tune(kLead - 1, 0, false);
    loop.Play(tune);
    EXPECT_EQ(Next(2048), std::vector<int16_t>(2 * 2048, 0));
    EXPECT_TRUE(loop.Looping());  // the device must stay open for it
    tune->Append(Frames(kLead - 1, 1).data(), 1);
    EXPECT_EQ(Next(kLead + 1000), [&] {
        auto expected = Frames(0, kLead);
        expected.resize(2 * (kLead + 1000), 0);
        return expected;
    }());
    const auto more = Frames(kLead, 2000);
    tune->Append(more.data(), 2000);
    EXPECT_EQ(Next(2000), more);  // not a frame skipped
}

TEST_F(Loop, ATuneThatFailedToRenderIsSilentAndKeepsNothingOpen) {
    auto tune = std::make_shared<RenderedTune>();
    tune->Fail();
    loop.Play(tune);
    EXPECT_FALSE(loop.Looping());
    EXPECT_EQ(Next(1024), std::vector<int16_t>(2048, 0));
}

// Freeing a tune's samples in the middle of a mix would break the sound: the
// mixes only let go of voices, the UI thread's calls free what they held.
TEST_F(Loop, ATuneIsFreedByTheUiThreadNeverByTheMix) {
    auto tune = Tune(20000, 500);
    const std::weak_ptr<const RenderedTune> held = tune;
    loop.Play(std::move(tune));
    Next(25000);  // a pass, its ring-out sounding over the next
    loop.Play(Tune(3000));
    Next(4 * kFade);  // the old pass and its ring-out fade to their end
    EXPECT_FALSE(held.expired());
    loop.Release();
    EXPECT_TRUE(held.expired());
}

TEST_F(Loop, ClosingTheDeviceDropsWhatStillFades) {
    auto tune = Tune(20000);
    const std::weak_ptr<const RenderedTune> held = tune;
    loop.Play(std::move(tune));
    Next(1000);
    loop.Stop();  // fading, but no mix comes any more
    loop.DropFading();
    EXPECT_TRUE(held.expired());
    EXPECT_EQ(Next(1024), std::vector<int16_t>(2048, 0));
}

}  // namespace
