// The synthesizer's own cost: one second of the background tune rendered per
// iteration, as the audio thread does. Time per iteration / 10 = per cent of
// one core while the music plays.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/audio/soundfont_path.h"
#include "platform/audio/synth.h"

namespace {

void BM_RenderOneSecondOfTheTune(benchmark::State& run) {
    std::ifstream file(PERNOKA_APP_DIR "/QUIL9702.mid", std::ios::binary);
    std::vector<unsigned char> smf{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string soundFont = platform::audio::FindSoundFont();
    if (smf.empty() || soundFont.empty()) {
        run.SkipWithError("tune or soundfont missing");
        return;
    }
    platform::audio::Synth synth(44100, soundFont, [] {});
    const int tune = synth.Open(std::move(smf));
    synth.PlayFromStart(tune);
    std::vector<int16_t> buffer(2 * 1024);
    for (auto _ : run) {
        for (int frames = 0; frames < 44100; frames += 1024) synth.Render(buffer.data(), 1024);
        if (!synth.IsPlaying(tune)) synth.PlayFromStart(tune);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_RenderOneSecondOfTheTune)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
