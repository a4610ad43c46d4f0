// The loader of the audio module: what it does without a module, with one
// it cannot use, with a working one (commands held back while it loads, then
// handed over in order), and when sounds are only stopped.
#include "platform/audio_loader/audio_module_loader.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>

#include "platform/audio/audio.h"

namespace {

using platform::audio::AudioModuleLoader;

// The UI thread as the loader sees it: work posted to it waits here until
// the test runs it.
class PostedWork {
public:
    AudioModuleLoader::Post Poster() {
        return [this](std::function<void()> work) {
            std::lock_guard lock(mutex_);
            work_.push_back(std::move(work));
            posted_.notify_all();
        };
    }
    // Waits for the loader's word that it has settled, and runs it.
    void RunNext() {
        std::unique_lock lock(mutex_);
        ASSERT_TRUE(posted_.wait_for(lock, std::chrono::seconds(30), [this] { return !work_.empty(); }));
        auto work = std::move(work_.front());
        work_.pop_front();
        lock.unlock();
        work();
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> work_;
};

// What the working stand-in was handed, once it is loaded; nullptr before.
const std::vector<std::string>* CallsOf(const char* path) {
    void* library = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (!library) return nullptr;
    using Calls = const std::vector<std::string>* (*)();
    const auto calls = reinterpret_cast<Calls>(dlsym(library, "fake_audio_module_calls"));
    dlclose(library);  // only the reference NOLOAD took
    return calls ? calls() : nullptr;
}

// A copy of the working stand-in of its own, so each test sees it loaded
// (or not) by itself, whatever other tests in the process did. Every call
// makes a new file: a module stays loaded for the life of the process, so a
// repeated test must neither reuse its name nor write over its pages.
std::string FreshWorkingModule(const char* name) {
    static int made = 0;
    const std::string copy =
        testing::TempDir() + name + std::to_string(getpid()) + "_" + std::to_string(++made) + ".so";
    std::filesystem::copy_file(FAKE_AUDIO_MODULE_WORKING, copy, std::filesystem::copy_options::overwrite_existing);
    return copy;
}

// Keeps the working stand-in's load under way until Open(), so what the
// loader does meanwhile does not depend on how fast the worker is.
class LoadGate {
public:
    LoadGate() : path_(testing::TempDir() + "audio_module_load_gate") {
        std::remove(path_.c_str());
        EXPECT_EQ(mkfifo(path_.c_str(), 0600), 0);
        setenv("FAKE_AUDIO_MODULE_GATE", path_.c_str(), 1);
    }
    ~LoadGate() {
        unsetenv("FAKE_AUDIO_MODULE_GATE");
        std::remove(path_.c_str());
    }
    LoadGate(const LoadGate&) = delete;
    LoadGate& operator=(const LoadGate&) = delete;
    // Waits until the load has reached the gate, and lets it through.
    void Open() {
        const int fd = open(path_.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        close(fd);
    }

private:
    const std::string path_;
};

long Send(AudioModuleLoader& loader, const std::string& command) { return loader.SendString(command, nullptr, 0); }

TEST(AudioModuleLoader, WithoutAModuleTheGameIsSilentAndSaysNothing) {
    PostedWork ui;
    AudioModuleLoader loader("/no/such/folder/libpernoka_audio.so", ui.Poster());
    testing::internal::CaptureStderr();
    EXPECT_EQ(Send(loader, "open \"/a/QUIL9702.mid\" type sequencer alias midifile"), platform::kMciOk);
    ui.RunNext();
    EXPECT_FALSE(loader.PlaySound("/a/Pop.wav", 0));
    EXPECT_NE(Send(loader, "play midifile from 0"), platform::kMciOk);
    char reply[16] = "untouched";
    EXPECT_NE(loader.SendString("status midifile mode", reply, 15), platform::kMciOk);
    EXPECT_STREQ(reply, "untouched");
    loader.Shutdown();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(AudioModuleLoader, AModuleOfAnotherVersionIsReportedOnceAndNotUsed) {
    PostedWork ui;
    AudioModuleLoader loader(FAKE_AUDIO_MODULE_WRONG_VERSION, ui.Poster());
    testing::internal::CaptureStderr();
    Send(loader, "open \"/a/QUIL9702.mid\" type sequencer alias midifile");
    ui.RunNext();
    EXPECT_FALSE(loader.PlaySound("/a/Pop.wav", 0));
    EXPECT_FALSE(loader.PlaySound("/a/Pop.wav", 0));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(FAKE_AUDIO_MODULE_WRONG_VERSION), std::string::npos) << said;
    EXPECT_NE(said.find("version"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(CallsOf(FAKE_AUDIO_MODULE_WRONG_VERSION)->size(), 0u);
}

TEST(AudioModuleLoader, AModuleThatIsNoAudioModuleIsReportedWithTheLoadersWords) {
    PostedWork ui;
    AudioModuleLoader loader(FAKE_AUDIO_MODULE_NO_ENTRY, ui.Poster());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loader.PlaySound("/a/Pop.wav", 0));
    ui.RunNext();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("pernoka_audio_module"), std::string::npos) << said;  // dlerror() names the symbol
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST(AudioModuleLoader, AFileThatDoesNotLoadIsReportedWithTheLoadersWords) {
    const std::string notAModule = testing::TempDir() + "libpernoka_audio.so";
    FILE* file = std::fopen(notAModule.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("not a shared object\n", file);
    std::fclose(file);
    PostedWork ui;
    AudioModuleLoader loader(notAModule, ui.Poster());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loader.PlaySound("/a/Pop.wav", 0));
    ui.RunNext();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(notAModule), std::string::npos) << said;
    EXPECT_NE(said.find("does not load"), std::string::npos) << said;
    std::remove(notAModule.c_str());
}

TEST(AudioModuleLoader, CommandsSentWhileItLoadsReachTheModuleInOrder) {
    const std::string module = FreshWorkingModule("held_back");
    LoadGate gate;  // outlives the loader, whose worker it may hold
    PostedWork ui;
    AudioModuleLoader loader(module, ui.Poster());
    // The game's MidiPlay: the first open brings the module in; nothing waits.
    EXPECT_NE(Send(loader, "stop midifile "), platform::kMciOk);  // nothing open yet: not even loaded
    EXPECT_EQ(CallsOf(module.c_str()), nullptr);
    EXPECT_EQ(Send(loader, "open \"/a/QUIL9702.mid\" type sequencer alias midifile"), platform::kMciOk);
    Send(loader, "play midifile from 0");
    char reply[16] = "blanks";
    // The watch may ask before it is there: nobody knows the tune yet.
    EXPECT_NE(loader.SendString("status midifile mode", reply, 15), platform::kMciOk);
    EXPECT_STREQ(reply, "blanks");
    gate.Open();
    ui.RunNext();  // loaded: what was held back is handed over
    const auto* calls = CallsOf(module.c_str());
    ASSERT_NE(calls, nullptr);
    const std::vector<std::string> delivered(calls->begin(), calls->end());
    EXPECT_EQ(delivered, (std::vector<std::string>{"mci open \"/a/QUIL9702.mid\" type sequencer alias midifile",
                                                   "mci play midifile from 0"}));
    // From now on straight through, with the reply.
    EXPECT_EQ(loader.SendString("status midifile mode", reply, 15), platform::kMciOk);
    EXPECT_STREQ(reply, "playing");
    EXPECT_TRUE(loader.PlaySound("/a/Pop.wav", 0));
    loader.PrepareTune("/a/QUIL9702.mid");
    loader.Shutdown();
    const std::vector<std::string> rest(calls->begin() + 2, calls->end());
    EXPECT_EQ(rest, (std::vector<std::string>{"mci status midifile mode", "wave /a/Pop.wav", "prepare /a/QUIL9702.mid",
                                              "shutdown"}));
    std::remove(module.c_str());  // its pages stay mapped
}

TEST(AudioModuleLoader, StoppingSoundsThatNeverPlayedLoadsNothing) {
    const std::string module = FreshWorkingModule("never_loaded");
    PostedWork ui;
    AudioModuleLoader loader(module, ui.Poster());
    // Reset and Exit, and ＢＧＭ → OFF, before any sound.
    EXPECT_NE(Send(loader, "stop midifile "), platform::kMciOk);
    EXPECT_NE(Send(loader, "close midifile"), platform::kMciOk);
    EXPECT_NE(Send(loader, "status midifile mode"), platform::kMciOk);
    EXPECT_TRUE(loader.PlaySound(nullptr, 0));
    loader.Shutdown();
    EXPECT_EQ(CallsOf(module.c_str()), nullptr) << "the module was loaded";
    std::remove(module.c_str());
}

}  // namespace
