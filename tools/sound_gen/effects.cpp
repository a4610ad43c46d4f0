#include "effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sound_gen {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

void Normalise(std::vector<double>& samples, double peak) {
    double highest = 0.0;
    for (double s : samples) highest = std::max(highest, std::abs(s));
    if (highest > 0.0)
        for (double& s : samples) s *= peak / highest;
}

// A struck bar: a few inharmonic partials that die away at their own rates.
void AddBell(std::vector<double>& out, double startSeconds, double hz, double level, double decaySeconds) {
    struct Partial {
        double ratio, level, decay;
    };
    const Partial partials[] = {{1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {3.01, 0.12, 0.35}, {4.17, 0.06, 0.2}};
    const size_t start = static_cast<size_t>(startSeconds * kWaveRate);
    for (size_t i = start; i < out.size(); ++i) {
        const double t = static_cast<double>(i - start) / kWaveRate;
        const double attack = std::min(1.0, t / 0.004);
        double value = 0.0;
        for (const Partial& p : partials)
            value += p.level * std::exp(-t / (decaySeconds * p.decay)) * std::sin(kTwoPi * hz * p.ratio * t);
        out[i] += level * attack * value;
    }
}

double Hz(int midiKey) { return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0); }

}  // namespace

std::vector<double> MakePop() {
    constexpr double kSeconds = 0.06;
    std::vector<double> out(static_cast<size_t>(kSeconds * kWaveRate));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kWaveRate;
        // A quick downward glide gives the soft "pop" rather than a beep.
        const double hz = 520.0 + 700.0 * std::exp(-t / 0.008);
        phase += kTwoPi * hz / kWaveRate;
        const double attack = std::min(1.0, t / 0.0015);
        const double fadeOut = std::min(1.0, (kSeconds - t) / 0.01);
        out[i] = attack * fadeOut * std::exp(-t / 0.012) * std::sin(phase);
    }
    Normalise(out, 0.5);
    return out;
}

std::vector<double> MakeGameEnd() {
    constexpr double kSeconds = 2.2;
    std::vector<double> out(static_cast<size_t>(kSeconds * kWaveRate));
    const int rising[] = {67, 72, 76, 79};  // G4 C5 E5 G5
    for (int i = 0; i < 4; ++i) AddBell(out, 0.16 * i, Hz(rising[i]), 0.8, 0.5);
    for (int key : {72, 76, 79, 84}) AddBell(out, 0.72, Hz(key), 0.6, 0.9);
    // Fade the last stretch to true silence, so the sound ends cleanly.
    const size_t fadeStart = out.size() - static_cast<size_t>(0.3 * kWaveRate);
    for (size_t i = fadeStart; i < out.size(); ++i)
        out[i] *= static_cast<double>(out.size() - i) / static_cast<double>(out.size() - fadeStart);
    Normalise(out, 0.7);
    return out;
}

}  // namespace sound_gen
