// Figures of the sound engine: how long MidiPlay takes, how soon the first
// notes sound after it, and the gap between two passes of the tune, heard
// through SDL's disk driver (which writes the mixed samples to a file).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/audio/audio.h"
#include "sound/sound.h"

namespace {

constexpr int kRate = 44100;
const std::string kTune = std::string(PERNOKA_APP_DIR) + "/QUIL9702.mid";
constexpr double kTuneSeconds = 16 * 4 * 60.0 / 84;  // 16 bars of 4 beats at 84 a minute

void RunEventLoopFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// One wood-block hit, then silence to the end at one second.
std::string WriteClickTune() {
    // clang-format off
    const std::vector<uint8_t> bytes = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, 24,
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 120 a minute: 960 ticks a second
        0x00, 0xB9, 91, 0,                         // no reverb
        0x00, 0x99, 76, 120, 0x30, 0x89, 76, 0,    // note for 48 ticks
        0x87, 0x10, 0xFF, 0x2F, 0x00};             // end at tick 960
    // clang-format on
    const std::string path = TempPath("pernoka_click_tune.mid");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

// Mono samples of what the disk driver wrote.
std::vector<float> ReadMono(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<float> mono(b.size() / 4);
    for (size_t i = 0; i < mono.size(); ++i) {
        auto at = [&](size_t k) {
            return static_cast<int16_t>(static_cast<uint8_t>(b[k]) | (static_cast<uint8_t>(b[k + 1]) << 8));
        };
        mono[i] = (at(4 * i) + at(4 * i + 2)) / 65536.0f;
    }
    return mono;
}

class DiskRecording {
public:
    DiskRecording() : path_(TempPath("pernoka_bench_audio.raw")) {
        platform::ShutdownAudio();
        std::remove(path_.c_str());
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
    }
    std::vector<float> Finish() {
        platform::ShutdownAudio();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        auto mono = ReadMono(path_);
        std::remove(path_.c_str());
        return mono;
    }

private:
    std::string path_;
};

void BM_MidiPlayWarm(benchmark::State& state) {
    auto sound = sound::CreateSystemSound();
    sound->MidiPlay(kTune);
    for (auto _ : state) sound->MidiPlay(kTune);
    sound->MidiStop();
}
BENCHMARK(BM_MidiPlayWarm)->Unit(benchmark::kMicrosecond);

// Milliseconds from MidiPlay to the first sound the device was given (as
// the disk driver writes it, a buffer at a time).
double FirstNoteMs(bool prepared) {
    const std::string path = TempPath("pernoka_bench_first_note.raw");
    platform::ShutdownAudio();
    std::remove(path.c_str());
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    auto sound = sound::CreateSystemSound();
    if (prepared) {
        // As when 開始 is opened: the tune renders while the player reads.
        platform::PrepareTune(kTune);
        RunEventLoopFor(1500);
    }
    const auto start = std::chrono::steady_clock::now();
    sound->MidiPlay(kTune);
    double ms = -1;
    while (ms < 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        RunEventLoopFor(1);
        for (const float sample : ReadMono(path))
            if (sample != 0) {
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                break;
            }
    }
    sound->MidiStop();
    platform::ShutdownAudio();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::remove(path.c_str());
    return ms;
}

// A game start with the tune rendered ahead, and one whose tune is rendered
// only now (the soundfont loaded first).
void BM_FirstNotePrepared(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(FirstNoteMs(true) / 1000);
}
BENCHMARK(BM_FirstNotePrepared)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_FirstNoteCold(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(FirstNoteMs(false) / 1000);
}
BENCHMARK(BM_FirstNoteCold)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Gaps between the passes of a one-second tune: each pass's hit should come
// one second after the previous one, plus the gap.
void BM_LoopGapClickTune(benchmark::State& state) {
    const std::string tune = WriteClickTune();
    for (auto _ : state) {
        DiskRecording recording;
        auto sound = sound::CreateSystemSound();
        sound->MidiPlay(tune);
        RunEventLoopFor(10'500);
        sound->MidiStop();
        const auto mono = recording.Finish();
        std::vector<double> onsets;
        bool armed = true;
        for (size_t i = 0; i < mono.size(); ++i) {
            const float level = std::abs(mono[i]);
            if (armed && level > 0.05f) {
                onsets.push_back(static_cast<double>(i) / kRate);
                armed = false;
            }
            // Re-arm halfway through a pass, long after the hit has died away.
            if (!armed && static_cast<double>(i) / kRate > onsets.back() + 0.5) armed = true;
        }
        double sum = 0, worst = 0;
        for (size_t i = 1; i < onsets.size(); ++i) {
            const double gap = onsets[i] - onsets[i - 1] - 1.0;
            sum += gap;
            worst = std::max(worst, gap);
        }
        const double passes = static_cast<double>(onsets.size());
        state.counters["passes"] = passes;
        state.counters["gap_mean_ms"] = passes > 1 ? 1000 * sum / (passes - 1) : -1;
        state.counters["gap_max_ms"] = 1000 * worst;
    }
}
BENCHMARK(BM_LoopGapClickTune)->Iterations(1)->Unit(benchmark::kSecond);

// The real tune: where the second pass starts, found by matching its first
// seconds against the first pass's.
void BM_LoopGapRealTune(benchmark::State& state) {
    for (auto _ : state) {
        DiskRecording recording;
        auto sound = sound::CreateSystemSound();
        sound->MidiPlay(kTune);
        RunEventLoopFor(static_cast<int>((kTuneSeconds + 3.5) * 1000));
        sound->MidiStop();
        const auto mono = recording.Finish();
        const size_t first = static_cast<size_t>(0.3 * kRate);  // the first pass from 0.3 s
        const size_t span = static_cast<size_t>(1.5 * kRate);
        const size_t from = static_cast<size_t>((kTuneSeconds + 0.3 - 0.02) * kRate);
        const size_t lags = static_cast<size_t>(0.5 * kRate);
        double best = -1e30;
        size_t bestLag = 0;
        for (size_t lag = 0; lag < lags && from + lag + span < mono.size(); lag += 2) {
            double dot = 0, energy = 1e-9;
            for (size_t i = 0; i < span; i += 2) {
                dot += mono[first + i] * mono[from + lag + i];
                energy += mono[from + lag + i] * mono[from + lag + i];
            }
            const double score = dot / std::sqrt(energy);
            if (score > best) best = score, bestLag = lag;
        }
        const double secondPass = (static_cast<double>(from + bestLag) - first) / kRate;
        state.counters["gap_ms"] = 1000 * (secondPass - kTuneSeconds);
    }
}
BENCHMARK(BM_LoopGapRealTune)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    platform::ShutdownAudio();
    return 0;
}
