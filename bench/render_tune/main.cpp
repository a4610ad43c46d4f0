// Renders a tune with the game's renderer, writes its pass as raw PCM, and
// tells how long the rendering took on the CPU.
//   render_tune <tune.mid> <out.raw>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/audio/rendered_tune.h"
#include "platform/audio/soundfont_path.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s tune.mid out.raw\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<unsigned char> smf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    platform::audio::RenderedTune tune;
    const std::atomic<bool> cancel{false};
    const std::clock_t start = std::clock();
    platform::audio::RenderTune(smf, platform::audio::FindSoundFont(), tune, cancel);
    const double cpu = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    if (tune.State() != platform::audio::RenderedTune::Progress::Complete) return 1;
    std::vector<int16_t> pass(static_cast<size_t>(tune.PassFrames()) * 2);
    tune.Read(0, tune.PassFrames(), pass.data());
    std::ofstream(argv[2], std::ios::binary)
        .write(reinterpret_cast<const char*>(pass.data()), static_cast<std::streamsize>(pass.size() * 2));
    std::printf("frames=%lld seconds=%.2f cpu=%.3f bytes=%zu\n", static_cast<long long>(tune.PassFrames()),
                static_cast<double>(tune.PassFrames()) / 44100, cpu, tune.Bytes());
    return 0;
}
