// The committed tune and wave sounds: format, length, level, and that the
// tune renders through our synthesizer without clipping.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "pcm_analysis.h"
#include "platform/audio/soundfont_path.h"
#include "rendered.h"
#include "test_tunes.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(std::string(PERNOKA_SOURCE_DIR) + "/data/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t LE(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + i);
    return v;
}

struct WaveInfo {
    bool pcm16 = false;
    double seconds = 0;
};

WaveInfo ReadWaveInfo(const std::string& name) {
    const auto b = ReadFile(name);
    WaveInfo info;
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF") return info;
    const uint32_t channels = LE(b, 22, 2), rate = LE(b, 24, 4), bits = LE(b, 34, 2);
    info.pcm16 = LE(b, 20, 2) == 1 && bits == 16;
    info.seconds = static_cast<double>(LE(b, 40, 4)) / (rate * channels * 2);
    return info;
}

TEST(SoundFiles, PopIsAShort16BitClick) {
    const WaveInfo pop = ReadWaveInfo("Pop.wav");
    EXPECT_TRUE(pop.pcm16);
    EXPECT_GT(pop.seconds, 0.02);
    EXPECT_LE(pop.seconds, 0.08);
}

TEST(SoundFiles, GameEndIsAShort16BitJingle) {
    const WaveInfo end = ReadWaveInfo("GameEnd.wav");
    EXPECT_TRUE(end.pcm16);
    EXPECT_GE(end.seconds, 1.5);
    EXPECT_LE(end.seconds, 2.5);
}

// Channels that carry notes, read from the file's note-on events.
std::set<int> NoteChannels(const std::vector<uint8_t>& smf) {
    std::set<int> channels;
    size_t at = 14;
    while (at + 8 <= smf.size() && std::string(smf.begin() + at, smf.begin() + at + 4) == "MTrk") {
        const size_t end = at + 8 + (smf[at + 4] << 24 | smf[at + 5] << 16 | smf[at + 6] << 8 | smf[at + 7]);
        size_t i = at + 8;
        while (i < end) {
            while (smf[i] & 0x80) ++i;  // delta time
            ++i;
            const uint8_t status = smf[i];
            if (status == 0xFF) {
                i += 3 + smf[i + 2];  // short meta events only
            } else if ((status & 0xF0) == 0xC0) {
                i += 2;
            } else {
                if ((status & 0xF0) == 0x90 && smf[i + 2] > 0) channels.insert(status & 0x0F);
                i += 3;
            }
        }
        at = end;
    }
    return channels;
}

TEST(SoundFiles, TuneHasMelodyHarmonyBassAndPercussion) {
    const auto smf = ReadFile("QUIL9702.mid");
    ASSERT_GT(smf.size(), 14u);
    ASSERT_EQ(std::string(smf.begin(), smf.begin() + 4), "MThd");
    const auto channels = NoteChannels(smf);
    EXPECT_GE(channels.size(), 4u);
    EXPECT_TRUE(channels.count(9)) << "no percussion on channel 10";
}

TEST(SoundFiles, TuneLastsAboutFortyFiveSecondsAndNeverClips) {
    const std::string soundFont = platform::audio::FindSoundFont();
    ASSERT_FALSE(soundFont.empty());
    const auto bytes = ReadFile("QUIL9702.mid");
    const soundtest::Rendered tune = soundtest::Render({bytes.begin(), bytes.end()}, soundFont);
    ASSERT_TRUE(tune.complete);
    const double seconds = static_cast<double>(tune.passFrames) / 44100;
    EXPECT_GE(seconds, 40.0);
    EXPECT_LE(seconds, 60.0);
    const int peak = soundtest::PeakLevel(tune.frames);
    EXPECT_GT(peak, 3000);
    // Headroom for the clicks on top: below half of full scale, also where
    // the ring-out of one pass sounds over the start of the next.
    EXPECT_LT(peak, 16384);
    EXPECT_LT(soundtest::PeakLevel(soundtest::LoopSeam(tune)), 16384);
}

}  // namespace
