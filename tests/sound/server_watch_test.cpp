// Where the watch looks for a sound server, read from the environment as the
// servers' clients read it, and its word once a socket appears in a folder
// that did not exist when it began.
#include "platform/audio/server_watch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "pcm_analysis.h"
#include "test_tunes.h"

namespace {

namespace fs = std::filesystem;
using platform::audio::ServerWatch;

class ServerWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"PULSE_SERVER", "PULSE_RUNTIME_PATH", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR"})
            unsetenv(name);
        setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    }
    static bool Has(const std::vector<ServerWatch::Place>& places, const std::string& folder, const std::string& name) {
        for (const auto& place : places)
            if (place.folder == folder && place.name == name) return true;
        return false;
    }
};

TEST_F(ServerWatchTest, PlacesFollowTheEnvironment) {
    auto places = ServerWatch::Places();
    EXPECT_TRUE(Has(places, "/run/user/1000/pulse", "native"));
    EXPECT_TRUE(Has(places, "/run/user/1000", "pipewire-0"));
    EXPECT_TRUE(Has(places, "/dev/snd", "pcmC*"));

    // PULSE_SERVER names the only servers libpulse tries; a machine prefix
    // and a TCP server among them.
    setenv("PULSE_SERVER", "{0123abcd}unix:/tmp/a/pulse.socket tcp:host:4713 /tmp/b/native", 1);
    setenv("PIPEWIRE_REMOTE", "/tmp/c/pw", 1);
    places = ServerWatch::Places();
    EXPECT_TRUE(Has(places, "/tmp/a", "pulse.socket"));
    EXPECT_TRUE(Has(places, "/tmp/b", "native"));
    EXPECT_TRUE(Has(places, "/tmp/c", "pw"));
    EXPECT_FALSE(Has(places, "/run/user/1000/pulse", "native"));
    EXPECT_EQ(places.size(), 4u);

    unsetenv("PULSE_SERVER");
    unsetenv("XDG_RUNTIME_DIR");
    setenv("PIPEWIRE_REMOTE", "pipewire-1", 1);
    setenv("PIPEWIRE_RUNTIME_DIR", "/tmp/d", 1);
    places = ServerWatch::Places();
    EXPECT_TRUE(Has(places, "/tmp/d", "pipewire-1"));
    EXPECT_EQ(places.size(), 2u);  // no runtime folder: no PulseAudio socket to look for
}

TEST_F(ServerWatchTest, TellsOfASocketInAFolderMadeAfterItBegan) {
    const fs::path runtime = soundtest::TempFolder() / "watched";
    fs::create_directories(runtime);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    int told = 0;
    ServerWatch watch([&] { ++told; });
    // Files that are no server's are passed over.
    std::ofstream(runtime / "bus").put('\n');
    fs::create_directories(runtime / "pulse");
    std::ofstream(runtime / "pulse" / "pid").put('\n');
    std::ofstream(runtime / "pulse" / "native").put('\n');
    EXPECT_TRUE(soundtest::RunUntil([&] { return told > 0; }));
    EXPECT_EQ(told, 1) << "a burst of changes is told once";
    fs::remove_all(runtime);
}

}  // namespace
