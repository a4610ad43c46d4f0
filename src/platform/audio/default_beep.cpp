#include "platform/audio/default_beep.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::audio {

std::vector<int16_t> MakeDefaultBeep(int sampleRate) {
    constexpr double kSeconds = 0.15;
    constexpr double kHz = 880.0;
    constexpr double kPeak = 0.3;
    constexpr double kAttack = 0.005;  // no click at the start
    const int frames = static_cast<int>(sampleRate * kSeconds);
    std::vector<int16_t> samples(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double attack = std::min(1.0, t / kAttack);
        const double release = std::min(1.0, (kSeconds - t) / 0.03);
        const double value = kPeak * attack * release * std::sin(2.0 * std::numbers::pi * kHz * t);
        const auto sample = static_cast<int16_t>(std::lround(value * 32767.0));
        samples[2 * i] = sample;
        samples[2 * i + 1] = sample;
    }
    return samples;
}

}  // namespace platform::audio
