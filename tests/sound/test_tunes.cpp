#include "test_tunes.h"

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "smf_writer.h"

namespace soundtest {
namespace {

constexpr int kTicksPerSecond = 960;  // 480 a beat at 500000 us a beat

uint32_t Ticks(double seconds) { return static_cast<uint32_t>(std::lround(seconds * kTicksPerSecond)); }

}  // namespace

std::vector<uint8_t> PercussionTune(const std::vector<Hit>& hits, double lengthSeconds) {
    sound_gen::SmfTrack track;
    track.Tempo(0, 500000);
    track.Control(0, 9, 91, 0);  // no reverb on the percussion channel
    track.Control(0, 9, 7, 127);
    for (const Hit& hit : hits) track.Note(Ticks(hit.seconds), Ticks(0.05), 9, hit.key, 120);
    track.End(Ticks(lengthSeconds));
    return sound_gen::SmfFile({track}, kTicksPerSecond / 2);
}

std::vector<uint8_t> HeldNoteTune(double lengthSeconds) {
    sound_gen::SmfTrack track;
    track.Tempo(0, 500000);
    track.Program(0, 0, 48);       // strings: a long release
    track.Control(0, 0, 91, 100);  // and reverb after it
    track.Note(0, Ticks(lengthSeconds), 0, 60, 110);
    track.End(Ticks(lengthSeconds));
    return sound_gen::SmfFile({track}, kTicksPerSecond / 2);
}

const std::filesystem::path& TempFolder() {
    // One folder per test process, since cases may run side by side; it
    // goes when the process ends.
    struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("pernoka_sound_tests_" + std::to_string(getpid()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = (TempFolder() / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace soundtest
