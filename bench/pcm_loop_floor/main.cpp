// The floor for the music's cost: a tune already rendered to PCM, looped
// through SDL_mixer's music hook with the game's device settings, and
// nothing else. Runs until it is killed.
//   pcm_loop_floor <tune.raw>    (interleaved 16-bit stereo at 44100 Hz)
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

struct Loop {
    std::vector<char> pcm;
    size_t position = 0;
};

void SDLCALL Play(void* data, Uint8* stream, int bytes) {
    auto& loop = *static_cast<Loop*>(data);
    for (int done = 0; done < bytes;) {
        const size_t n = std::min(static_cast<size_t>(bytes - done), loop.pcm.size() - loop.position);
        std::memcpy(stream + done, loop.pcm.data() + loop.position, n);
        done += static_cast<int>(n);
        loop.position = (loop.position + n) % loop.pcm.size();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s tune.raw\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    Loop loop{{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}};
    if (loop.pcm.size() < 4) return 1;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 1;
    // The game's device: 44100 Hz, 16-bit stereo, 1024 frames a buffer.
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) return 1;
    Mix_HookMusic(Play, &loop);
    for (;;) SDL_Delay(1000000);
}
