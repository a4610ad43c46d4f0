// The audio device is closed after a spell with nothing playing, and opened
// again by the next sound.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "pcm_analysis.h"
#include "platform/audio/audio.h"
#include "platform/audio/audio_probe.h"
#include "test_tunes.h"

namespace {

using soundtest::RunEventLoopFor;
using soundtest::RunUntil;

bool DeviceClosed() { return !platform::AudioDeviceOpen(); }

const std::string kPop = std::string(PERNOKA_SOURCE_DIR) + "/data/Pop.wav";

class DeviceIdleTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ShutdownAudio();
        platform::SetAudioIdleCloseDelay(100);
    }
    void TearDown() override {
        platform::ShutdownAudio();
        platform::SetAudioIdleCloseDelay(5000);
    }
};

TEST_F(DeviceIdleTest, NothingOpensItBeforeTheFirstSound) {
    platform::PrepareTune(std::string(PERNOKA_SOURCE_DIR) + "/data/QUIL9702.mid");
    char reply[16] = {};
    platform::mciSendString("status midifile mode", reply, 15);
    platform::mciSendString("stop midifile ", nullptr, 0);
    platform::sndPlaySound(nullptr);
    EXPECT_FALSE(platform::AudioDeviceOpen());
}

TEST_F(DeviceIdleTest, ClosesWhenIdleAndReopensForTheNextSound) {
    platform::sndPlaySound(kPop.c_str());
    EXPECT_TRUE(platform::AudioDeviceOpen());
    EXPECT_TRUE(RunUntil(DeviceClosed));
    platform::sndPlaySound(nullptr);  // a stop finds nothing to stop, and opens nothing
    EXPECT_FALSE(platform::AudioDeviceOpen());
    platform::sndPlaySound(kPop.c_str());
    EXPECT_TRUE(platform::AudioDeviceOpen());
}

TEST_F(DeviceIdleTest, PlayingTuneKeepsItOpenUntilStopped) {
    const std::string tune = soundtest::WriteTempFile("idle_tune.mid", soundtest::PercussionTune({{0.0, 76}}, 20.0));
    platform::mciSendString("open \"" + tune + "\" type sequencer alias midifile", nullptr, 0);
    platform::mciSendString("play midifile from 0", nullptr, 0);
    RunEventLoopFor(500);  // five times the idle delay, and the tune plays on
    EXPECT_TRUE(platform::AudioDeviceOpen());
    platform::mciSendString("stop midifile ", nullptr, 0);
    EXPECT_TRUE(RunUntil(DeviceClosed));
    // Closing the device closes no tune.
    char reply[16] = {};
    EXPECT_EQ(platform::mciSendString("status midifile mode", reply, 15), platform::kMciOk);
    EXPECT_STREQ(reply, "stopped");
}

TEST_F(DeviceIdleTest, SoundAfterReopeningIsHeard) {
    const std::string output =
        (std::filesystem::temp_directory_path() / ("pernoka_idle_audio_" + std::to_string(getpid()) + ".raw")).string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    platform::sndPlaySound(kPop.c_str());
    ASSERT_TRUE(RunUntil(DeviceClosed));
    platform::sndPlaySound(kPop.c_str());
    EXPECT_EQ(platform::AudioDriverName(), "disk");
    platform::ShutdownAudio();
    // The disk driver starts its file afresh on each opening.
    EXPECT_EQ(soundtest::Onsets(soundtest::ReadRawPcm(output)).size(), 1u);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("SDL_DISKAUDIOFILE");
    std::filesystem::remove(output);
}

}  // namespace
