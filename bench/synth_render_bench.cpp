// The synthesizer's own cost, rendering the background tune as the audio
// thread does: 1024 frames at a time, at the pace of playback, so the caches
// are as cold as they are in the game. The counter cpu_percent is the share
// of one core that the synthesizer alone takes while the music plays.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "platform/audio/soundfont_path.h"
#include "platform/audio/synth.h"

namespace {

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_TuneAtPlaybackPace(benchmark::State& run) {
    std::ifstream file(PERNOKA_APP_DIR "/QUIL9702.mid", std::ios::binary);
    std::vector<unsigned char> smf{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string soundFont = platform::audio::FindSoundFont();
    if (smf.empty() || soundFont.empty()) {
        run.SkipWithError("tune or soundfont missing");
        return;
    }
    constexpr int kFrames = 1024;
    constexpr int kRate = 44100;
    const auto period = std::chrono::microseconds(1'000'000LL * kFrames / kRate);
    platform::audio::Synth synth(kRate, soundFont, [] {});
    const int tune = synth.Open(std::move(smf));
    synth.PlayFromStart(tune);
    std::vector<int16_t> buffer(2 * kFrames);
    double cpu = 0, audio = 0;
    for (auto _ : run) {
        // Ten seconds of music per iteration.
        auto deadline = std::chrono::steady_clock::now();
        const double before = ThreadCpuSeconds();
        for (int block = 0; block < 10 * kRate / kFrames; ++block) {
            synth.Render(buffer.data(), kFrames);
            audio += static_cast<double>(kFrames) / kRate;
            if (!synth.IsPlaying(tune)) synth.PlayFromStart(tune);
            deadline += period;
            std::this_thread::sleep_until(deadline);
        }
        cpu += ThreadCpuSeconds() - before;  // waking up 43 times a second included
        benchmark::DoNotOptimize(buffer.data());
    }
    run.counters["cpu_percent"] = 100.0 * cpu / audio;
}
BENCHMARK(BM_TuneAtPlaybackPace)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
