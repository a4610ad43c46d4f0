#include "pcm_analysis.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace soundtest {
namespace {

constexpr size_t kStepFrames = kRate / 200;  // 5 ms

// The loudest sample of each 5 ms step, both channels together.
std::vector<int> Envelope(const std::vector<int16_t>& samples) {
    std::vector<int> envelope;
    for (size_t start = 0; start + 2 * kStepFrames <= samples.size(); start += 2 * kStepFrames) {
        int peak = 0;
        for (size_t i = start; i < start + 2 * kStepFrames; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
        envelope.push_back(peak);
    }
    return envelope;
}

}  // namespace

std::vector<int16_t> ReadRawPcm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] =
            static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) | (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
    return samples;
}

int PeakLevel(const std::vector<int16_t>& samples) {
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(int{s}));
    return peak;
}

std::vector<double> Onsets(const std::vector<int16_t>& samples, int loud) {
    const std::vector<int> envelope = Envelope(samples);
    std::vector<double> onsets;
    bool armed = true;  // the recording starts in silence
    int quietSteps = 0;
    for (size_t i = 0; i < envelope.size(); ++i) {
        if (envelope[i] >= loud && armed) {
            onsets.push_back(static_cast<double>(i * kStepFrames) / kRate);
            armed = false;
        }
        quietSteps = envelope[i] < loud / 8 ? quietSteps + 1 : 0;
        if (quietSteps >= 10) armed = true;
    }
    return onsets;
}

double SoundingSeconds(const std::vector<int16_t>& samples, int threshold) {
    const std::vector<int> envelope = Envelope(samples);
    const auto steps = std::count_if(envelope.begin(), envelope.end(), [&](int peak) { return peak > threshold; });
    return static_cast<double>(steps) * kStepFrames / kRate;
}

double RecordedSeconds(const std::string& path) {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    return error ? 0.0 : static_cast<double>(bytes / 4) / kRate;
}

bool RunUntil(const std::function<bool()>& done) {
    if (done()) return true;
    // A real loop that waits between the checks, as the program's does: the
    // work that runs when it is about to wait must run here too.
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.exit(0);
    });
    check.start(5);
    // Only a guard against a device that stopped: a healthy one gets there
    // in a fraction of this.
    QTimer::singleShot(20000, &loop, [&] { loop.exit(1); });
    return loop.exec() == 0;
}

bool RunUntilRecorded(const std::string& path, double seconds) {
    return RunUntil([&] { return RecordedSeconds(path) >= seconds; });
}

void RunEventLoopFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace soundtest
