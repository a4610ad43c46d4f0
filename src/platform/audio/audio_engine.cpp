#include "platform/audio/audio_engine.h"

#include <SDL.h>
#include <malloc.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/audio/alsa_quiet.h"
#include "platform/audio/audio.h"
#include "platform/audio/idle_closer.h"
#include "platform/audio/soundfont_path.h"
#include "platform/audio/wave_player.h"
#include "platform/event_loop_idle.h"

namespace platform::audio {
namespace {

void SDLCALL MixMusic(void* player, Uint8* stream, int bytes) {
    static_cast<PcmPlayer*>(player)->Render(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

// SDL converts to whatever the hardware wants, so the hook always gets
// interleaved 16-bit stereo at kSampleRate.
bool TryOpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, 2, kBufferFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

bool TrySilentDevice() {
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = TryOpenDevice();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

bool OpenDevice(Engine& engine) {
    // Ctrl+C and SIGTERM must still end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    QuietAlsaErrors();
    bool opened = !engine.silentOnly && TryOpenDevice();
    if (!opened) {
        // No sound card, no sound server: the silent driver keeps every
        // operation and the tune's timing as they would be.
        opened = TrySilentDevice();
        engine.silentOnly = opened;
    }
    engine.driver.clear();
    if (!opened) return false;
    engine.mixerOpen = true;
    if (const char* name = SDL_GetCurrentAudioDriver()) engine.driver = name;
    Mix_ReserveChannels(kWaveChannel + 1);
    Mix_ChannelFinished(OnChannelFinished);
    Mix_HookMusic(MixMusic, &engine.player);
    return true;
}

void CloseDevice(Engine& engine) {
    if (!engine.mixerOpen) return;
    Mix_HookMusic(nullptr, nullptr);
    Mix_HaltChannel(-1);
    Mix_ChannelFinished(nullptr);
    engine.waves.Clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
    engine.mixerOpen = false;
}

// Idle: the device closes, and the tunes nobody plays are let go; the
// sounds' and the mixer's memory goes back to the system with them.
void GoQuiet(Engine& engine) {
    CloseDevice(engine);
    engine.tunes.DropUnused();
    malloc_trim(0);
}

std::unique_ptr<Engine>& TheEngine() {
    static std::unique_ptr<Engine> engine;
    return engine;
}

}  // namespace

Engine::Engine() : soundFont(FindSoundFont()), tunes(soundFont), player([] { WakeEventLoop(); }) {}

Engine::~Engine() {
    idleCloser.reset();
    CloseDevice(*this);
    // The audio thread has stopped: the tunes can go.
    aliases.clear();
}

Engine& CurrentEngine() {
    std::unique_ptr<Engine>& engine = TheEngine();
    if (!engine) {
        engine = std::make_unique<Engine>();
        Engine& made = *engine;
        // Made here, on the UI thread, whose event loop runs its timer.
        made.idleCloser = std::make_unique<IdleCloser>(
            [&made] { return (made.mixerOpen || made.tunes.HoldsUnused()) && !Busy(made); },
            [&made] { GoQuiet(made); });
    }
    return *engine;
}

bool EnsureDevice(Engine& engine) { return engine.mixerOpen || OpenDevice(engine); }

bool Busy(Engine& engine) { return engine.player.Sounding() || (engine.mixerOpen && Mix_Playing(kWaveChannel)); }

long ReadMidiFile(const std::string& path, std::vector<unsigned char>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return kMciFileNotFound;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) return kMciInvalidFile;
    return kMciOk;
}

}  // namespace platform::audio

namespace platform {

void PrepareTune(const std::string& file) {
    std::vector<unsigned char> bytes;
    audio::Engine& engine = audio::CurrentEngine();
    if (audio::ReadMidiFile(file, bytes) == kMciOk) engine.tunes.Get(bytes);
}

void ShutdownAudio() { audio::TheEngine().reset(); }

std::string AudioDriverName() {
    audio::Engine& engine = audio::CurrentEngine();
    audio::EnsureDevice(engine);
    return engine.driver;
}

bool AudioDeviceOpen() { return audio::TheEngine() && audio::TheEngine()->mixerOpen; }

std::string AudioSoundFont() { return audio::CurrentEngine().soundFont; }

size_t AudioTuneBytes() { return audio::TheEngine() ? audio::TheEngine()->tunes.Bytes() : 0; }

}  // namespace platform
