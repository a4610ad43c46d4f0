// What actually reaches the speakers: the engine runs on SDL's disk driver,
// which writes the mixed samples to a file, and the tests read them back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "pcm_analysis.h"
#include "platform/audio/audio.h"
#include "sound/sound.h"
#include "test_tunes.h"

namespace {

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

    std::string output_;
};

TEST_F(DiskDriverTest, BackgroundTuneIsAudible) {
    ASSERT_FALSE(platform::AudioSoundFont().empty()) << "no General MIDI soundfont installed";
    auto sound = sound::CreateSystemSound();
    sound->MidiPlay(DataFile("QUIL9702.mid"));
    HearUntil(1.5);
    sound->MidiStop();
    const auto pcm = Recorded();
    EXPECT_GT(pcm.size(), 2u * soundtest::kRate);  // about 1.5 s recorded
    EXPECT_GT(soundtest::PeakLevel(pcm), 1500);
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

TEST_F(DiskDriverTest, MissingWaveFilePlaysTheBeepUnlessToldNotTo) {
    EXPECT_TRUE(platform::sndPlaySound("/no/such/sound.wav", platform::kSndSync));
    EXPECT_FALSE(platform::sndPlaySound("/no/such/sound.wav", platform::kSndNoDefault));
    const auto pcm = Recorded();
    EXPECT_EQ(Onsets(pcm).size(), 1u) << "peak " << soundtest::PeakLevel(pcm) << " of " << pcm.size();
    EXPECT_NEAR(soundtest::SoundingSeconds(pcm), 0.15, 0.03);
}

TEST_F(DiskDriverTest, NullFileCutsAWaveSoundShort) {
    ASSERT_TRUE(platform::sndPlaySound(DataFile("GameEnd.wav").c_str(), platform::kSndAsync));
    ASSERT_TRUE(soundtest::RunUntil([&] { return soundtest::SoundingSeconds(soundtest::ReadRawPcm(output_)) > 0.2; }));
    EXPECT_TRUE(platform::sndPlaySound(nullptr, platform::kSndSync));
    HearUntil(Heard() + 0.5);
    const auto pcm = Recorded();
    EXPECT_GT(soundtest::SoundingSeconds(pcm), 0.1);
    EXPECT_LT(soundtest::SoundingSeconds(pcm), 1.0);
}

TEST_F(DiskDriverTest, TuneIsReplayedFromItsFirstNoteSoonAfterItsEnd) {
    const std::string tune = soundtest::WriteTempFile("loop_tune.mid", soundtest::PercussionTune({{0.0, 76}}, 1.0));
    auto sound = sound::CreateSystemSound();
    sound->MidiPlay(tune);
    HearUntil(3.6);
    sound->MidiStop();
    const auto onsets = Onsets(Recorded());
    ASSERT_GE(onsets.size(), 3u) << "the watch did not replay the tune by itself";
    for (size_t i = 1; i < onsets.size(); ++i) {
        const double gap = onsets[i] - onsets[i - 1] - 1.0;
        EXPECT_GE(gap, -0.01) << "pass " << i;
        EXPECT_LE(gap, 0.3) << "pass " << i;
    }
}

TEST_F(DiskDriverTest, StopThenPlayFromZeroStartsAtTheFirstNote) {
    // The second hit would come 0.9 s after the restart if play resumed.
    const std::string tune =
        soundtest::WriteTempFile("restart_tune.mid", soundtest::PercussionTune({{0.0, 76}, {1.5, 77}}, 2.0));
    ASSERT_EQ(platform::mciSendString("open \"" + tune + "\" type sequencer alias midifile", nullptr, 0), 0);
    platform::mciSendString("play midifile from 0", nullptr, 0);
    HearUntil(0.6);
    platform::mciSendString("stop midifile ", nullptr, 0);
    platform::mciSendString("play midifile from 0", nullptr, 0);
    const double restart = Heard();
    HearUntil(restart + 0.6);
    const auto onsets = Onsets(Recorded());
    ASSERT_EQ(onsets.size(), 2u);
    EXPECT_NEAR(onsets[1], restart + kInFlightSeconds / 2, kInFlightSeconds);
}

TEST_F(DiskDriverTest, StopSilencesTheTune) {
    const std::string tune =
        soundtest::WriteTempFile("stop_tune.mid", soundtest::PercussionTune({{0.0, 76}, {0.5, 76}}, 1.0));
    platform::mciSendString("open \"" + tune + "\" type sequencer alias midifile", nullptr, 0);
    platform::mciSendString("play midifile from 0", nullptr, 0);
    HearUntil(0.25);
    platform::mciSendString("stop midifile ", nullptr, 0);
    HearUntil(Heard() + 0.6);  // past the second hit at 0.5 s
    EXPECT_EQ(Onsets(Recorded()).size(), 1u);
}

TEST(MissingDriver, FallsBackToSilenceAndKeepsTime) {
    platform::ShutdownAudio();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(platform::AudioDriverName(), "dummy");
    const std::string tune = soundtest::WriteTempFile("silent_tune.mid", soundtest::PercussionTune({{0.0, 76}}, 0.5));
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
    EXPECT_TRUE(platform::sndPlaySound((std::string(PERNOKA_SOURCE_DIR) + "/data/Pop.wav").c_str(), 0));
    platform::ShutdownAudio();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

TEST(Shutdown, IsHarmlessWhenNothingWasOpenedAndTwice) {
    platform::ShutdownAudio();
    platform::ShutdownAudio();
    platform::PrepareAudio();
    platform::ShutdownAudio();
    EXPECT_EQ(platform::AudioDriverName(), "dummy");
    platform::ShutdownAudio();
}

}  // namespace
