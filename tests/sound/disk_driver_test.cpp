// What actually reaches the speakers: the engine runs on SDL's disk driver,
// which writes the mixed samples to a file, and the tests read them back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "pcm_analysis.h"
#include "platform/audio/audio.h"
#include "platform/audio/audio_probe.h"
#include "platform/audio/soundfont_path.h"
#include "rendered.h"
#include "sound/sound.h"
#include "test_tunes.h"

namespace {

using soundtest::kRate;
using soundtest::Onsets;

// One mixing buffer of the device, and the little more the disk driver may
// hold back in its file buffer before it reaches the file.
constexpr double kInFlightSeconds = 0.1;

class DiskDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ShutdownAudio();
        output_ = (std::filesystem::temp_directory_path() / ("pernoka_disk_audio_" + std::to_string(getpid()) + ".raw"))
                      .string();
        std::remove(output_.c_str());
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
        ASSERT_EQ(platform::AudioDriverName(), "disk");
    }
    void TearDown() override {
        platform::ShutdownAudio();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
        std::remove(output_.c_str());
    }
    // Stops the device, so the file is complete, and reads it.
    std::vector<int16_t> Recorded() {
        platform::ShutdownAudio();
        return soundtest::ReadRawPcm(output_);
    }
    static std::string DataFile(const char* name) { return std::string(PERNOKA_SOURCE_DIR) + "/data/" + name; }
    // The recording's length so far, and the event loop run until it is this long.
    double Heard() const { return soundtest::RecordedSeconds(output_); }
    void HearUntil(double seconds) { ASSERT_TRUE(soundtest::RunUntilRecorded(output_, seconds)); }
    // The first tune's first notes wait for its rendering to begin: the
    // point in the recording where the first sound starts.
    double FirstSoundHeard() {
        std::vector<double> onsets;
        EXPECT_TRUE(soundtest::RunUntil([&] {
            onsets = soundtest::Onsets(soundtest::ReadRawPcm(output_));
            return !onsets.empty();
        }));
        return onsets.empty() ? 0.0 : onsets.front();
    }

    std::string output_;
};

TEST_F(DiskDriverTest, BackgroundTuneIsAudible) {
    ASSERT_FALSE(platform::audio::FindSoundFont().empty()) << "no General MIDI soundfont installed";
    auto sound = sound::CreateSystemSound();
    sound->MidiPlay(DataFile("QUIL9702.mid"));
    EXPECT_TRUE(soundtest::RunUntil([&] { return soundtest::PeakLevel(soundtest::ReadRawPcm(output_)) > 1500; }));
    HearUntil(Heard() + 1.5);
    sound->MidiStop();
    const auto pcm = Recorded();
    EXPECT_LT(soundtest::PeakLevel(pcm), 32000);  // well clear of clipping
}

TEST_F(DiskDriverTest, WavePlayReturnsOnlyAfterTheSoundHasPlayed) {
    auto sound = sound::CreateSystemSound();
    sound->WavePlay(DataFile("GameEnd.wav"));
    // What had reached the speakers by the time WavePlay returned.
    const auto byReturn = soundtest::ReadRawPcm(output_);
    const auto pcm = Recorded();
    EXPECT_GT(soundtest::PeakLevel(pcm), 10000);
    EXPECT_GT(soundtest::SoundingSeconds(pcm), 1.5);
    EXPECT_GE(soundtest::SoundingSeconds(byReturn), soundtest::SoundingSeconds(pcm) - kInFlightSeconds);
}

TEST_F(DiskDriverTest, PopIsAShortAudibleClick) {
    auto sound = sound::CreateSystemSound();
    sound->WavePlay(DataFile("Pop.wav"));
    const auto pcm = Recorded();
    EXPECT_GT(soundtest::PeakLevel(pcm), 8000);
    EXPECT_LE(soundtest::SoundingSeconds(pcm), 0.08);
    EXPECT_EQ(Onsets(pcm).size(), 1u);
}

TEST_F(DiskDriverTest, MissingWaveFilePlaysTheBeep) {
    platform::sndPlaySound("/no/such/sound.wav");
    const auto pcm = Recorded();
    EXPECT_EQ(Onsets(pcm).size(), 1u) << "peak " << soundtest::PeakLevel(pcm) << " of " << pcm.size();
    EXPECT_NEAR(soundtest::SoundingSeconds(pcm), 0.15, 0.03);
}

size_t FirstSound(const std::vector<int16_t>& samples, size_t from = 0) {
    size_t i = from;
    while (i < samples.size() && samples[i] == 0) ++i;
    return i & ~size_t{1};  // the frame's left sample
}

// The first frame after `from` louder than `loud` that follows at least
// `frames` frames below it.
size_t SoundAfterQuiet(const std::vector<int16_t>& samples, size_t from, size_t frames, int loud) {
    size_t quiet = 0;
    for (size_t i = from; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > loud && quiet >= 2 * frames) return i & ~size_t{1};
        quiet = std::abs(samples[i]) > loud ? 0 : quiet + 1;
    }
    return samples.size();
}

TEST_F(DiskDriverTest, StopThenPlayFromZeroStartsAtTheFirstNote) {
    // Were the tune to go on from where it stopped, the next sound would be
    // the second hit, a different note. It comes late enough that a busy
    // machine's pause before the stop cannot reach it.
    const auto smf = soundtest::PercussionTune({{0.0, 76}, {8.0, 77}}, 9.0);
    const soundtest::Rendered tune = soundtest::Render(smf, platform::audio::FindSoundFont());
    ASSERT_TRUE(tune.complete);
    ASSERT_EQ(platform::mciSendString("open \"" + soundtest::WriteTempFile("restart.mid", smf) +
                                          "\" type sequencer alias midifile",
                                      nullptr, 0),
              0);
    platform::mciSendString("play midifile from 0", nullptr, 0);
    HearUntil(FirstSoundHeard() + 0.6);  // the first hit has died away
    platform::mciSendString("stop midifile ", nullptr, 0);
    platform::mciSendString("play midifile from 0", nullptr, 0);
    HearUntil(Heard() + 0.6);
    const auto recorded = Recorded();
    // Wherever the restart fell, the sound after the quiet is the tune's
    // first note, sample for sample once the first hit's faint tail has
    // faded (20 ms after the stop, which came before the restart).
    constexpr int kLoud = 1000;
    const size_t restart = SoundAfterQuiet(recorded, FirstSound(recorded), kRate / 10, kLoud);
    const size_t first = SoundAfterQuiet(tune.frames, 0, 0, kLoud);
    const size_t faded = 2 * kRate / 50, length = 2 * kRate / 4;
    ASSERT_GE(recorded.size(), restart + faded + length) << "no sound after the restart";
    for (size_t i = faded; i < faded + length; ++i)
        ASSERT_EQ(recorded[restart + i], tune.frames[first + i]) << "frame " << i / 2 << " after the restart";
}

TEST_F(DiskDriverTest, StopFadesTheTuneOutAtOnceWhereverItTookEffect) {
    // One note held for ten seconds: in the recording the stop is where the
    // sound ends.
    platform::mciSendString(
        "open \"" + soundtest::WriteTempFile("stop.mid", soundtest::HeldNoteTune(10.0)) + "\" type sequencer alias midifile",
        nullptr, 0);
    platform::mciSendString("play midifile from 0", nullptr, 0);
    const double first = FirstSoundHeard();
    HearUntil(first + 0.5);
    platform::mciSendString("stop midifile ", nullptr, 0);
    HearUntil(Heard() + 0.6);
    const auto pcm = Recorded();
    size_t end = pcm.size();
    while (end > 0 && pcm[end - 1] == 0) --end;
    const double stopped = static_cast<double>(end / 2) / kRate;
    EXPECT_LT(stopped - first, 10.0) << "the tune played to its end";
    EXPECT_GT(static_cast<double>(pcm.size() / 2) / kRate - stopped, 0.5) << "the tune sounded again";
    // The fade: at full level 40 ms before the end, nearly nothing in its
    // last 4 ms.
    const auto level = [&](double from, double to) {
        return soundtest::PeakLevel({pcm.begin() + 2 * static_cast<long>((stopped - from) * kRate),
                                     pcm.begin() + 2 * static_cast<long>((stopped - to) * kRate)});
    };
    EXPECT_LT(level(0.004, 0.0) * 3, level(0.06, 0.025));
    EXPECT_GT(level(0.06, 0.025), 1000);
}

// What the device should be given for `passes` passes of the tune looped
// without a gap: pass after pass, each one's ring-out sounding over what
// follows it.
std::vector<int16_t> Looped(const soundtest::Rendered& tune, int passes) {
    const size_t pass = static_cast<size_t>(tune.passFrames) * 2;
    std::vector<int32_t> sum(pass * passes + tune.frames.size(), 0);
    for (int i = 0; i < passes; ++i)
        for (size_t k = 0; k < tune.frames.size(); ++k) sum[i * pass + k] += tune.frames[k];
    std::vector<int16_t> looped(pass * passes);
    for (size_t i = 0; i < looped.size(); ++i) looped[i] = static_cast<int16_t>(std::clamp(sum[i], -32768, 32767));
    return looped;
}


TEST_F(DiskDriverTest, TheLoopIsSeamlessSampleForSample) {
    // A pass longer than its ring-out, as the game's tune is: a ring-out
    // still sounding when the pass after next begins is cut.
    const auto smf = soundtest::PercussionTune({{0.0, 76}, {0.3, 77}}, 2.0);
    const soundtest::Rendered tune = soundtest::Render(smf, platform::audio::FindSoundFont());
    ASSERT_TRUE(tune.complete);
    ASSERT_LT(static_cast<int64_t>(tune.frames.size() / 2) - tune.passFrames, tune.passFrames);
    auto sound = sound::CreateSystemSound();  // its watch replays each pass
    sound->MidiPlay(soundtest::WriteTempFile("seamless.mid", smf));
    HearUntil(FirstSoundHeard() + 4.4);
    sound->MidiStop();
    const auto recorded = Recorded();

    // Two passes and the start of a third, from the first sound on: the
    // last frame of each pass is followed by the first of the next.
    const std::vector<int16_t> expected = Looped(tune, 3);
    const size_t at = FirstSound(recorded), from = FirstSound(expected);
    const size_t length = std::min<size_t>(2 * tune.passFrames * 2 + 2 * 4410, expected.size() - from);
    ASSERT_GE(recorded.size(), at + length);
    for (size_t i = 0; i < length; ++i)
        ASSERT_EQ(recorded[at + i], expected[from + i]) << "frame " << (from + i) / 2 << " of the looped tune";
}

TEST_F(DiskDriverTest, ATuneThatCannotBeRenderedIsAsSilentAsAMissingOne) {
    // A Standard MIDI File by its header, whose track the synthesizer
    // cannot play.
    const std::string broken = soundtest::WriteTempFile(
        "broken.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 1, 0xE0, 'M', 'T', 'r', 'k', 0xFF, 0xFF});
    auto sound = sound::CreateSystemSound();
    sound->MidiPlay(broken);
    // Once the render has failed, the tune answers no query, as a tune whose
    // file is missing never does: the buffer keeps its blanks, so the watch
    // never replays it.
    char reply[16];
    auto queryFails = [&] {
        std::memset(reply, ' ', sizeof reply);
        return platform::mciSendString("status midifile mode", reply, 15) != platform::kMciOk;
    };
    ASSERT_TRUE(soundtest::RunUntil(queryFails));
    EXPECT_EQ(std::string(reply, 16), std::string(16, ' '));
    EXPECT_NE(platform::mciSendString("play midifile from 0", nullptr, 0), platform::kMciOk);
    HearUntil(Heard() + 0.5);
    sound->MidiStop();
    EXPECT_EQ(soundtest::PeakLevel(Recorded()), 0);
}

// Resident memory of this process, in kilobytes.
long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST(RenderedTuneMemory, IsGivenBackWhenTheDeviceClosesForIdleness) {
    platform::ShutdownAudio();
    platform::SetAudioIdleCloseDelay(100);
    // Fifty seconds of samples, nine megabytes, quick to render: one hit.
    const std::string tune = soundtest::WriteTempFile("long.mid", soundtest::PercussionTune({{0.0, 76}}, 50.0));
    auto sound = sound::CreateSystemSound();
    sound->MidiPlay(tune);
    constexpr size_t kBlock = 44100 * 4;  // a second of samples
    EXPECT_TRUE(soundtest::RunUntil([] { return platform::AudioTuneBytes() >= 50 * kBlock; }));
    // The renderer lets go of the synthesizer once done, which the sanitizers
    // see to in memory of their own: wait until the process has settled.
    long withTune = ResidentKb();
    EXPECT_TRUE(soundtest::RunUntil([&] {
        soundtest::RunEventLoopFor(200);
        const long before = withTune;
        withTune = ResidentKb();
        return std::abs(withTune - before) < 256;
    }));
    sound->MidiStop();
    EXPECT_TRUE(soundtest::RunUntil([] { return !platform::AudioDeviceOpen(); }));
    EXPECT_EQ(platform::AudioTuneBytes(), 0u);
    EXPECT_GT(withTune - ResidentKb(), 7 * 1024) << "the samples' pages were not given back";
    platform::ShutdownAudio();
    platform::SetAudioIdleCloseDelay(5000);
}

TEST(MissingDriver, FallsBackToSilenceAndKeepsTime) {
    platform::ShutdownAudio();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(platform::AudioDriverName(), "dummy");
    const std::string tune = soundtest::WriteTempFile("silent_tune.mid", soundtest::PercussionTune({{0.0, 76}}, 2.0));
    EXPECT_EQ(platform::mciSendString("open \"" + tune + "\" type sequencer alias midifile", nullptr, 0), 0);
    EXPECT_EQ(platform::mciSendString("play midifile from 0", nullptr, 0), 0);
    char reply[16] = {};
    platform::mciSendString("status midifile mode", reply, 15);
    EXPECT_STREQ(reply, "playing");
    // The silent driver still plays the tune to its end.
    EXPECT_TRUE(soundtest::RunUntil([&] {
        platform::mciSendString("status midifile mode", reply, 15);
        return std::string(reply) == "stopped";
    }));
    platform::sndPlaySound((std::string(PERNOKA_SOURCE_DIR) + "/data/Pop.wav").c_str());
    platform::ShutdownAudio();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

TEST(Shutdown, IsHarmlessWhenNothingWasOpenedAndTwice) {
    platform::ShutdownAudio();
    platform::ShutdownAudio();
    platform::PrepareTune(std::string(PERNOKA_SOURCE_DIR) + "/data/QUIL9702.mid");
    platform::ShutdownAudio();
    EXPECT_EQ(platform::AudioDriverName(), "dummy");
    platform::ShutdownAudio();
}

}  // namespace
