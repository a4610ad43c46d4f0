// Sound that comes back by itself: after a start with no output at all, once
// a sound server appears, and after a device that stopped mixing (a frozen
// server) mixes again. What reaches the output is read back from SDL's disk
// driver, and every wait is on a condition or on that recording's clock.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "pcm_analysis.h"
#include "platform/audio/audio.h"
#include "platform/audio/audio_probe.h"
#include "platform/audio/soundfont_path.h"
#include "sound/sound.h"
#include "test_tunes.h"

namespace {

namespace fs = std::filesystem;
using soundtest::PeakLevel;
using soundtest::ReadRawPcm;
using soundtest::RecordedSeconds;
using soundtest::RunUntil;

const std::string kPop = std::string(PERNOKA_SOURCE_DIR) + "/data/Pop.wav";
// One mixing buffer and what the disk driver may hold back before the file.
constexpr double kInFlightSeconds = 0.1;

class DeviceReturnTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ShutdownAudio();
        // A runtime folder of its own, where no server runs yet.
        runtime_ = soundtest::TempFolder() / "run";
        fs::create_directories(runtime_);
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        for (const char* name : {"PULSE_SERVER", "PULSE_RUNTIME_PATH", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR"})
            unsetenv(name);
        output_ = (fs::temp_directory_path() / ("pernoka_return_audio_" + std::to_string(getpid()) + ".raw")).string();
        fs::remove(output_);
    }
    void TearDown() override {
        platform::ShutdownAudio();
        platform::SetAudioIdleCloseDelay(5000);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
        fs::remove(output_);
        fs::remove_all(runtime_);
    }
    void UseDiskDriver() {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    }
    double Heard() const { return RecordedSeconds(output_); }
    std::vector<int16_t> HeardFrom(double seconds) const {
        const auto pcm = ReadRawPcm(output_);
        const size_t from = std::min(pcm.size(), 2 * static_cast<size_t>(seconds * soundtest::kRate));
        return {pcm.begin() + static_cast<long>(from), pcm.end()};
    }

    fs::path runtime_;
    std::string output_;
};

TEST_F(DeviceReturnTest, ASilentStartSoundsOnceAServerAppearsWithoutAMove) {
    ASSERT_FALSE(platform::audio::FindSoundFont().empty()) << "no General MIDI soundfont installed";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    auto sound = sound::CreateSystemSound();
    sound->MidiPlay(soundtest::WriteTempFile(
        "return.mid", soundtest::PercussionTune({{0.0, 76}, {0.25, 76}, {0.5, 76}, {0.75, 76}}, 1.0)));
    ASSERT_EQ(platform::AudioDriverName(), "dummy");
    // A driver that would open now is not tried again with each sound: a
    // click with no server costs what a silent click costs.
    UseDiskDriver();
    sound->WavePlay(kPop);
    EXPECT_FALSE(fs::exists(output_)) << "the device was opened again for a click";
    EXPECT_EQ(platform::AudioDriverName(), "dummy");

    // A server's socket appears: the tune is heard with nothing asked for.
    std::ofstream(runtime_ / "pipewire-0").put('\n');
    ASSERT_TRUE(RunUntil([&] { return PeakLevel(ReadRawPcm(output_)) > 1500; })) << "the tune did not come back";
    EXPECT_EQ(platform::AudioDriverName(), "disk");
    // And so is the next click, once the tune's last hit has died away.
    sound->MidiStop();
    ASSERT_TRUE(soundtest::RunUntilRecorded(output_, Heard() + 1.0));
    const double click = Heard();
    EXPECT_LT(PeakLevel(HeardFrom(click - kInFlightSeconds)), 300) << "the tune still sounds";
    sound->WavePlay(kPop);
    EXPECT_GT(PeakLevel(HeardFrom(click - kInFlightSeconds)), 8000) << "the click is silent";
}

// SDL's own way to hold a device's callback, as a frozen server holds it:
// the device is the one SDL_mixer opened, whatever its number.
void HoldMixing(bool hold) {
    for (SDL_AudioDeviceID id = 1; id < 64; ++id)
        if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) SDL_PauseAudioDevice(id, hold ? 1 : 0);
}

TEST_F(DeviceReturnTest, ADeviceThatStopsMixingCostsOneShortWaitThenSoundsAgainOnceItMixes) {
    UseDiskDriver();
    platform::sndPlaySound(kPop.c_str());
    ASSERT_GT(PeakLevel(ReadRawPcm(output_)), 8000);
    HoldMixing(true);
    // A paused device still writes silence to its file at its pace: the
    // recording's clock tells how long the clicks kept the game waiting.
    const double held = Heard();
    for (int move = 0; move < 10; ++move) platform::sndPlaySound(kPop.c_str());
    const double tenClicks = Heard() - held;
    EXPECT_TRUE(platform::AudioDeviceStalled());
    // One wait of half a second at most; a wait for each click would be ten.
    EXPECT_LT(tenClicks, 2.5) << "each click waited on the stopped device";
    HoldMixing(false);
    ASSERT_TRUE(RunUntil([] { return !platform::AudioDeviceStalled(); }));
    const double resumed = Heard();
    // None of the clicks made meanwhile sounds late...
    EXPECT_LT(PeakLevel(HeardFrom(held + kInFlightSeconds)), 300);
    // ...and the next one is heard, and waited for again.
    platform::sndPlaySound(kPop.c_str());
    EXPECT_GT(PeakLevel(HeardFrom(resumed)), 8000);
    EXPECT_FALSE(platform::AudioDeviceStalled());
}

TEST_F(DeviceReturnTest, ADeviceThatStopsMixingWhileIdleIsKeptUntilItMixesThenClosed) {
    platform::SetAudioIdleCloseDelay(100);
    UseDiskDriver();
    platform::sndPlaySound(kPop.c_str());
    // Stopped with no sound asked for: the idle close finds it out and
    // leaves it open, as closing would wait on a frozen server.
    HoldMixing(true);
    ASSERT_TRUE(RunUntil([] { return platform::AudioDeviceStalled() || !platform::AudioDeviceOpen(); }));
    EXPECT_TRUE(platform::AudioDeviceOpen()) << "the stopped device was closed";
    HoldMixing(false);
    EXPECT_TRUE(RunUntil([] { return !platform::AudioDeviceOpen(); })) << "the device stayed open once it mixed";
}

}  // namespace
