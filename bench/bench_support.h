#pragma once
// What the benchmarks share: the peak of resident memory a piece of work
// adds, and a sound port that plays nothing.
#include <malloc.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "engine/sound_port.h"

namespace benchsupport {

// A line of /proc/self/status, in kB; -1 without it.
inline long StatusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + key.size());
    return -1;
}

// Resident memory at the peak of work() above the resident memory before
// it, in MB; negative when the kernel does not let the peak be reset.
inline double PeakMbAddedBy(const std::function<void()>& work) {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = StatusKb("VmRSS:");
    if (StatusKb("VmHWM:") > before + 1024) return -1;
    work();
    return double(StatusKb("VmHWM:") - before) / 1024.0;
}

class NoSound final : public engine::SoundPort {
public:
    void MidiPlay(const std::string&) override {}
    void MidiStop() override {}
    void WavePlay(const std::string&) override {}
    void WaveStop() override {}
    void PrepareTune(const std::string&) override {}
};

}  // namespace benchsupport
