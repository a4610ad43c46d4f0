// SDL_mixer's audio device, the tune's renderer thread and the idle close.
#include "platform/audio/audio_engine.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <malloc.h>

#include <QCoreApplication>

#include <algorithm>

#include "platform/audio/audio.h"
#include "platform/audio/audio_probe.h"
#include "platform/audio/soundfont_path.h"

namespace platform::audio {
namespace {

// About 23 ms a buffer: a click starts promptly, and the audio thread wakes
// only 43 times a second.
constexpr int kBufferFrames = 1024;
// Long enough that the clicks of a game played with the music off do not
// open and close the device over and over.
std::atomic<int> idleCloseMilliseconds{5000};
std::unique_ptr<Engine> theEngine;

extern "C" void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card libasound writes its failures to the terminal while SDL
// looks for a device, which only alarms: the game falls back to silence. Looked
// up at run time, as SDL loads libasound only to try it, and it may be absent.
void QuietAlsaErrors() {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL))
        if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler")))
            set(IgnoreAlsaError);
}

// SDL_mixer's music hook, on the audio thread: the tune loop fills the buffer
// the waves are then mixed into.
void SDLCALL MixTune(void* data, Uint8* stream, int bytes) {
    auto& engine = *static_cast<Engine*>(data);
    // Mixing again after a stall: the UI thread learns it from here, not by
    // asking, and lets the device close or open afresh as it waited to.
    engine.mixes.fetch_add(1, std::memory_order_relaxed);
    if (engine.stalled.load(std::memory_order_relaxed) && engine.stalled.exchange(false))
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [] {
                    if (theEngine) theEngine->Recovered();
                },
                Qt::QueuedConnection);
    engine.mix.assign(static_cast<size_t>(bytes) / 2, 0);  // reserved at the opening: no allocation here
    const bool passEnded = engine.loop.Mix(engine.mix.data(), bytes / 4);
    auto* out = reinterpret_cast<int16_t*>(stream);
    for (size_t i = 0; i < engine.mix.size(); ++i)
        out[i] = static_cast<int16_t>(std::clamp(engine.mix[i], -32768, 32767));
    // The watch runs when the UI thread's event loop is about to wait: make
    // it pass once, so it sees the tune at its end.
    if (passEnded)
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app, [] {}, Qt::QueuedConnection);
}

// SDL's events come with the audio, as SDL posts from the audio thread that
// the system took the device away (its sound server went).
constexpr Uint32 kSubsystems = SDL_INIT_AUDIO | SDL_INIT_EVENTS;

// With the driver named, that one only; with nullptr, SDL's choice.
bool OpenDevice(Engine& engine, const char* driver) {
    if (driver) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
    const bool ready = SDL_InitSubSystem(kSubsystems) == 0;
    if (driver) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!ready) return false;
    // SDL converts to what the hardware wants: the mix is 16-bit stereo at kSampleRate.
    if (Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, 2, kBufferFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(kSubsystems);
        return false;
    }
    Mix_HookMusic(MixTune, &engine);
    return true;
}

// Nothing else takes SDL's events; each lost output device is one.
bool DeviceRemoved() {
    SDL_Event event;
    bool removed = false;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_AUDIODEVICEREMOVED, SDL_AUDIODEVICEREMOVED) > 0)
        removed |= !event.adevice.iscapture;
    return removed;
}

}  // namespace

Engine::Engine() : soundFont(FindSoundFont()) {
    mix.reserve(kBufferFrames * 2);
    idle_.setSingleShot(true);
    QObject::connect(&idle_, &QTimer::timeout, [this] { GoQuiet(); });
    if (QCoreApplication::instance()) watch_ = std::make_unique<ServerWatch>([this] { ServerAppeared(); });
}

Engine::~Engine() {
    CloseDevice();
    StopRendering();
}

bool Engine::EnsureDevice() {
    // A device the system took away (SDL 2 says so when its server goes) is
    // opened afresh, and the silent stand-in gives way once a real driver
    // may open. A stalled device stays: closing it would wait on its server.
    if (device && !stalled) {
        const bool removed = DeviceRemoved();
        tryReal |= removed;
        if (removed || (driver == "dummy" && tryReal)) CloseDevice();
    }
    if (device) return true;
    // Ctrl+C and SIGTERM must still end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    QuietAlsaErrors();
    if (tryReal) device = OpenDevice(*this, realDriver.empty() ? nullptr : realDriver.c_str());
    // No sound card, no sound server: the silent driver keeps every operation
    // and the tune's timing as they would be, until the watch sees one come.
    if (!device) device = OpenDevice(*this, "dummy");
    const char* name = device ? SDL_GetCurrentAudioDriver() : nullptr;
    driver = name ? name : "";
    tryReal = device && driver != "dummy";
    if (tryReal) realDriver = driver;
    return device;
}

void Engine::PlayWave(const std::string& file) {
    if (stalled || !EnsureDevice()) return;
    if (!waves.Play(file, mixes)) stalled = true;
}

void Engine::CloseDevice() {
    if (!device) return;
    if (stalled) {
        // Only the engine's end comes here stalled, as the program ends: the
        // device is left to the process's end, unhooked from what goes.
        Mix_HookMusic(nullptr, nullptr);
        Mix_ChannelFinished(nullptr);
        device = false;
        return;
    }
    waves.Clear();
    Mix_CloseAudio();  // waits for the audio thread
    Mix_Quit();        // and unloads any decoder a wave file called for
    device = false;
    SDL_QuitSubSystem(kSubsystems);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
    loop.DropFading();
}

// The watch saw a server or device come: a device open on the silent driver,
// or on a server that went (whether SDL said so or not), opens afresh, so the
// tune sounds again without waiting for a move.
void Engine::ServerAppeared() {
    tryReal = true;
    if (stalled) {
        reopenPending_ = true;
    } else if (device) {
        Reopen();
    }
}

void Engine::Reopen() {
    reopenPending_ = false;
    const bool busy = Busy();
    CloseDevice();
    if (busy) EnsureDevice();
    Rest();
}

void Engine::Recovered() {
    // A click may have found it stopped again since: that stall's own
    // recovery comes later.
    if (stalled) return;
    if (reopenPending_ && device) Reopen();
    Rest();
}

std::shared_ptr<const RenderedTune> Engine::Tune(const std::vector<unsigned char>& bytes) {
    if (tune && bytes == smf) return tune;
    StopRendering();
    smf = bytes;
    tune = std::make_shared<RenderedTune>();
    cancel_ = false;
    // The worker keeps what it renders alive, and the bytes it reads.
    renderer_ = std::thread([bytes, font = soundFont, into = tune, this] { RenderTune(bytes, font, *into, cancel_); });
    return tune;
}

void Engine::StopRendering() {
    cancel_ = true;
    if (renderer_.joinable()) renderer_.join();
}

void Engine::Rest(bool restart) {
    loop.Release();
    if (restart || Busy()) idle_.stop();
    if ((device || tune) && !idle_.isActive() && !Busy()) {
        mixesAtRest_ = mixes.load();
        idle_.start(idleCloseMilliseconds.load());
    }
}

// The device closes, and the rendered tune unless it is open: back to the system.
void Engine::GoQuiet() {
    // The next command re-arms, or a stalled device's first mix again.
    if (Busy() || stalled) return;
    // An audio thread that has not mixed since the wait began has stopped
    // (a frozen server), whether or not a click found it out: closing would
    // wait on that server, so the device stays until it mixes again.
    if (device && mixes.load() == mixesAtRest_) {
        stalled = true;
        return;
    }
    CloseDevice();
    if (!opened) {
        StopRendering();
        tune.reset();
    }
    malloc_trim(0);
}

Engine& CurrentEngine() {
    if (!theEngine) theEngine = std::make_unique<Engine>();
    return *theEngine;
}

}  // namespace platform::audio

namespace platform {

void ShutdownAudio() { audio::theEngine.reset(); }

std::string AudioDriverName() { return audio::CurrentEngine().EnsureDevice() ? audio::CurrentEngine().driver : ""; }

void SetAudioIdleCloseDelay(int milliseconds) { audio::idleCloseMilliseconds = milliseconds; }

bool AudioDeviceOpen() { return audio::theEngine && audio::theEngine->device; }

bool AudioDeviceStalled() { return audio::theEngine && audio::theEngine->stalled; }

size_t AudioTuneBytes() { return audio::theEngine && audio::theEngine->tune ? audio::theEngine->tune->Bytes() : 0; }

}  // namespace platform
