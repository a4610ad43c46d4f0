// The loader of the audio module: silence without a word when there is none,
// one line on stderr for a module it cannot use, the table of a working one.
#include "platform/audio_loader/audio_module_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "platform/audio/audio_module.h"

namespace {

using platform::audio::AudioModuleLoader;

// Whatever Get() printed to stderr, over two calls: a failure is told once.
std::string ReportOfTwoLoads(const std::string& path, const platform::audio::AudioModule** module) {
    AudioModuleLoader loader(QString::fromStdString(path));
    testing::internal::CaptureStderr();
    *module = loader.Get();
    const auto* again = loader.Get();
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(again, *module);
    return report;
}

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(AudioModuleLoader, WithoutAModuleTheGameIsSilentAndSaysNothing) {
    const platform::audio::AudioModule* module = nullptr;
    EXPECT_EQ(ReportOfTwoLoads(testing::TempDir() + "no_such_module.so", &module), "");
    EXPECT_EQ(module, nullptr);
}

TEST(AudioModuleLoader, AModuleItCannotUseIsReportedOnceWithTheReason) {
    const std::string notALibrary = testing::TempDir() + "not_a_module.so";
    std::ofstream(notALibrary) << "text, not a shared object\n";
    const struct {
        std::string path;
        std::string reason;  // part of the line on stderr
    } cases[] = {
        {FAKE_AUDIO_MODULE_WRONG_VERSION, "version " + std::to_string(platform::audio::kAudioModuleVersion + 1)},
        {FAKE_AUDIO_MODULE_NO_ENTRY, platform::audio::kAudioModuleEntry},
        {notALibrary, "not_a_module.so"},
    };
    for (const auto& c : cases) {
        const platform::audio::AudioModule* module = reinterpret_cast<const platform::audio::AudioModule*>(1);
        const std::string report = ReportOfTwoLoads(c.path, &module);
        EXPECT_EQ(module, nullptr) << c.path;
        EXPECT_EQ(Lines(report), 1u) << report;
        EXPECT_NE(report.find(c.reason), std::string::npos) << report;
        EXPECT_NE(report.find("silent"), std::string::npos) << report;
    }
}

TEST(AudioModuleLoader, AWorkingModuleHandsOverItsTable) {
    AudioModuleLoader loader(FAKE_AUDIO_MODULE_WORKING);
    EXPECT_FALSE(loader.Loaded());
    const platform::audio::AudioModule* module = loader.Get();
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(loader.Loaded());
    EXPECT_EQ(module->version, platform::audio::kAudioModuleVersion);
    EXPECT_EQ(module->mciSendString("status midifile mode", nullptr, 0), 0);
}

}  // namespace
