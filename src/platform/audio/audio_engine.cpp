#include "platform/audio/audio_engine.h"

#include <SDL.h>

#include <future>
#include <mutex>

#include "platform/audio/alsa_quiet.h"
#include "platform/audio/audio.h"
#include "platform/audio/idle_closer.h"
#include "platform/audio/soundfont_path.h"
#include "platform/audio/wave_player.h"
#include "platform/event_loop_idle.h"

namespace platform::audio {
namespace {

void SDLCALL RenderMusic(void* synth, Uint8* stream, int bytes) {
    static_cast<Synth*>(synth)->Render(reinterpret_cast<int16_t*>(stream), bytes / 4);
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
    Mix_HookMusic(RenderMusic, engine.synth.get());
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

// Worker thread or UI thread: the expensive part, loading the soundfont.
// The device waits for the first sound: a few milliseconds, and a program
// that never sounds never runs an audio thread.
std::unique_ptr<Engine> OpenEngine() {
    auto engine = std::make_unique<Engine>();
    engine->soundFont = FindSoundFont();
    engine->synth = std::make_unique<Synth>(kSampleRate, engine->soundFont, [] { WakeEventLoop(); });
    return engine;
}

struct Lifecycle {
    std::mutex mutex;
    std::future<std::unique_ptr<Engine>> opening;
    std::unique_ptr<Engine> engine;
};

Lifecycle& State() {
    static Lifecycle state;
    return state;
}

}  // namespace

Engine::Engine() = default;

Engine::~Engine() {
    idleCloser.reset();
    CloseDevice(*this);
    // The audio thread has stopped: the players can go.
    aliases.clear();
    synth.reset();
}

Engine& CurrentEngine() {
    Lifecycle& state = State();
    std::lock_guard lock(state.mutex);
    if (state.opening.valid()) state.engine = state.opening.get();
    if (!state.engine) state.engine = OpenEngine();
    Engine& engine = *state.engine;
    if (!engine.idleCloser) {
        // Made here, on the UI thread, whose event loop runs its timer.
        engine.idleCloser = std::make_unique<IdleCloser>([&engine] { return engine.mixerOpen && !Busy(engine); },
                                                         [&engine] { CloseDevice(engine); });
    }
    return engine;
}

bool EnsureDevice(Engine& engine) { return engine.mixerOpen || OpenDevice(engine); }

bool Busy(Engine& engine) {
    for (const auto& [alias, tune] : engine.aliases)
        if (engine.synth->IsPlaying(tune)) return true;
    return engine.mixerOpen && Mix_Playing(kWaveChannel);
}

}  // namespace platform::audio

namespace platform {

void PrepareAudio() {
    audio::Lifecycle& state = audio::State();
    std::lock_guard lock(state.mutex);
    if (state.engine || state.opening.valid()) return;
    state.opening = std::async(std::launch::async, audio::OpenEngine);
}

void ShutdownAudio() {
    audio::Lifecycle& state = audio::State();
    std::lock_guard lock(state.mutex);
    if (state.opening.valid()) state.engine = state.opening.get();
    state.engine.reset();
}

std::string AudioDriverName() {
    audio::Engine& engine = audio::CurrentEngine();
    audio::EnsureDevice(engine);
    return engine.driver;
}

bool AudioDeviceOpen() {
    audio::Lifecycle& state = audio::State();
    std::lock_guard lock(state.mutex);
    return state.engine && state.engine->mixerOpen;
}

std::string AudioSoundFont() { return audio::CurrentEngine().soundFont; }

}  // namespace platform
