// The committed tune and wave sounds: format, length, level, and that the
// tune renders through our synthesizer without clipping.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/audio/soundfont_path.h"
#include "platform/audio/synth.h"
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
    platform::audio::Synth synth(44100, soundFont, [] {});
    const auto bytes = ReadFile("QUIL9702.mid");
    const int tune = synth.Open({bytes.begin(), bytes.end()});
    synth.PlayFromStart(tune);
    std::vector<int16_t> buffer(2 * 1024);
    long frames = 0;
    int peak = 0;
    while (synth.IsPlaying(tune) && frames < 120L * 44100) {
        synth.Render(buffer.data(), 1024);
        frames += 1024;
        for (int16_t s : buffer) peak = std::max(peak, std::abs(int{s}));
    }
    const double seconds = static_cast<double>(frames) / 44100;
    EXPECT_GE(seconds, 40.0);
    EXPECT_LE(seconds, 60.0);
    EXPECT_GT(peak, 3000);
    // Headroom for the clicks on top: below half of full scale.
    EXPECT_LT(peak, 16384);
}

TEST(SoundFont, FirstReadableCandidateWins) {
    const std::string present = soundtest::WriteTempFile("fake.sf2", {'R', 'I', 'F', 'F'});
    EXPECT_EQ(platform::audio::FindSoundFont({"/no/such.sf2", present, "/usr/share/sounds/sf2/TimGM6mb.sf2"}), present);
    EXPECT_EQ(platform::audio::FindSoundFont({"/no/such.sf2", "/tmp"}), "");
    EXPECT_EQ(platform::audio::SoundFontCandidates().front(), "/usr/share/sounds/sf2/TimGM6mb.sf2");
}

TEST(SoundFont, WithoutOneTheTuneStillRunsItsCourseInSilence) {
    // Fresh synthesizers now and then start out with noise of their own, so
    // several are tried.
    for (int attempt = 0; attempt < 60; ++attempt) {
        platform::audio::Synth synth(44100, "", [] {});
        EXPECT_FALSE(synth.HasSoundFont());
        const int tune = synth.Open(soundtest::PercussionTune({{0.0, 76}}, 0.3));
        synth.PlayFromStart(tune);
        std::vector<int16_t> buffer(2 * 1024);
        int peak = 0, renders = 0;
        while (synth.IsPlaying(tune) && renders < 100) {
            synth.Render(buffer.data(), 1024);
            ++renders;
            for (int16_t s : buffer) peak = std::max(peak, std::abs(int{s}));
        }
        EXPECT_FALSE(synth.IsPlaying(tune));
        EXPECT_NEAR(renders, 13, 1);  // 0.3 s of 23 ms buffers
        ASSERT_EQ(peak, 0) << "attempt " << attempt;
    }
}

TEST(SynthEnd, ListenerHearsOfEachEndOnce) {
    int ends = 0;
    platform::audio::Synth synth(44100, "", [&] { ++ends; });
    const int tune = synth.Open(soundtest::PercussionTune({{0.0, 76}}, 0.1));
    std::vector<int16_t> buffer(2 * 1024);
    for (int pass = 0; pass < 2; ++pass) {
        synth.PlayFromStart(tune);
        for (int i = 0; i < 20; ++i) synth.Render(buffer.data(), 1024);
    }
    EXPECT_EQ(ends, 2);
}

}  // namespace
