// Rendering a tune to PCM: where its pass ends, what rings on after it, and
// the tunes that cannot be rendered.
#include "platform/audio/rendered_tune.h"

#include <gtest/gtest.h>

#include "pcm_analysis.h"
#include "platform/audio/soundfont_path.h"
#include "rendered.h"
#include "test_tunes.h"

namespace {

constexpr int64_t kStep = 64;  // the synthesizer's own block
// The player notices the last event a few milliseconds after it.
constexpr int64_t kEndLag = 256;

class TuneRenderer : public testing::Test {
protected:
    void SetUp() override {
        soundFont = platform::audio::FindSoundFont();
        ASSERT_FALSE(soundFont.empty()) << "no General MIDI soundfont installed";
    }
    std::string soundFont;
};

TEST_F(TuneRenderer, ThePassEndsAtTheLastEvent) {
    const auto tune = soundtest::Render(soundtest::PercussionTune({{0.0, 76}, {0.5, 77}}, 1.0), soundFont);
    ASSERT_TRUE(tune.complete);
    EXPECT_GE(tune.passFrames, 44100 - kStep);
    EXPECT_LE(tune.passFrames, 44100 + kEndLag);
    const auto onsets = soundtest::Onsets(tune.frames);
    ASSERT_EQ(onsets.size(), 2u);
    EXPECT_NEAR(onsets[0], 0.0, 0.01);
    EXPECT_NEAR(onsets[1], 0.5, 0.01);
    // Short dry hits are long over at the end: what rings on is too faint
    // to be heard as a hit.
    const size_t pass = static_cast<size_t>(tune.passFrames) * 2;
    const std::vector<int16_t> ringOut(tune.frames.begin() + static_cast<std::ptrdiff_t>(pass), tune.frames.end());
    EXPECT_TRUE(soundtest::Onsets(ringOut).empty());
}

TEST_F(TuneRenderer, ANoteHeldToTheEndRingsOnAfterItAndNoLongerThanItSounds) {
    const auto tune = soundtest::Render(soundtest::HeldNoteTune(1.0), soundFont);
    ASSERT_TRUE(tune.complete);
    EXPECT_GE(tune.passFrames, 44100 - kStep);
    EXPECT_LE(tune.passFrames, 44100 + kEndLag);
    const size_t pass = static_cast<size_t>(tune.passFrames) * 2;
    ASSERT_GT(tune.frames.size(), pass + 2 * 4410) << "less than 0.1 s of ring-out";
    EXPECT_LT(tune.frames.size(), pass + 2 * 10 * 44100);
    const std::vector<int16_t> ringOut(tune.frames.begin() + static_cast<std::ptrdiff_t>(pass), tune.frames.end());
    EXPECT_GT(soundtest::PeakLevel(ringOut), 300);
    // The ring-out ends with its last sound, not with seconds of silence.
    const std::vector<int16_t> last(tune.frames.end() - 2 * kStep, tune.frames.end());
    EXPECT_GT(soundtest::PeakLevel(last), 0);
}

TEST_F(TuneRenderer, TheSameTuneRendersToTheSameSamples) {
    const auto smf = soundtest::HeldNoteTune(0.5);
    EXPECT_EQ(soundtest::Render(smf, soundFont).frames, soundtest::Render(smf, soundFont).frames);
}

TEST(TuneRendererFailures, WithoutASoundFontOrAPlayableFileNothingIsRendered) {
    EXPECT_FALSE(soundtest::Render(soundtest::PercussionTune({{0.0, 76}}, 0.3), "").complete);
    EXPECT_FALSE(soundtest::Render(soundtest::PercussionTune({{0.0, 76}}, 0.3), "/no/such.sf2").complete);
    const std::string soundFont = platform::audio::FindSoundFont();
    std::vector<uint8_t> broken = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 1, 0xE0, 'M', 'T', 'r', 'k', 0xFF};
    EXPECT_FALSE(soundtest::Render(broken, soundFont).complete);
}

TEST(TuneRendererFailures, ACancelledRenderEndsUnfinished) {
    platform::audio::RenderedTune tune;
    const std::atomic<bool> cancel{true};
    platform::audio::RenderTune(soundtest::HeldNoteTune(5.0), platform::audio::FindSoundFont(), tune, cancel);
    EXPECT_EQ(tune.State(), platform::audio::RenderedTune::Progress::Failed);
    EXPECT_LT(tune.Rendered(), 44100);
}

}  // namespace
