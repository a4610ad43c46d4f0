#include "test_tunes.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace soundtest {
namespace {

constexpr int kTicksPerSecond = 960;

void PutVarLen(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[5];
    int n = 0;
    bytes[n++] = value & 0x7F;
    while (value >>= 7) bytes[n++] = static_cast<uint8_t>(0x80 | (value & 0x7F));
    while (n) out.push_back(bytes[--n]);
}

void PutBE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t Ticks(double seconds) { return static_cast<uint32_t>(std::lround(seconds * kTicksPerSecond)); }

}  // namespace

std::vector<uint8_t> PercussionTune(const std::vector<Hit>& hits, double lengthSeconds) {
    // (tick, status, key, velocity), sorted by tick.
    std::vector<std::tuple<uint32_t, uint8_t, uint8_t, uint8_t>> events = {{0, 0xB9, 91, 0}, {0, 0xB9, 7, 127}};
    for (const Hit& hit : hits) {
        events.emplace_back(Ticks(hit.seconds), 0x99, hit.key, 120);
        events.emplace_back(Ticks(hit.seconds + 0.05), 0x89, hit.key, 0);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });

    std::vector<uint8_t> body = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};  // 500000 us a beat
    uint32_t now = 0;
    for (const auto& [tick, status, a, b] : events) {
        PutVarLen(body, tick - now);
        body.insert(body.end(), {status, a, b});
        now = tick;
    }
    PutVarLen(body, Ticks(lengthSeconds) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
    PutBE(file, static_cast<uint32_t>(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const auto folder = std::filesystem::temp_directory_path() / "pernoka_sound_tests";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace soundtest
