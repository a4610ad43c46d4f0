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
        if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"))) set(IgnoreAlsaError);
}

// SDL_mixer's music hook, on the audio thread: the tune loop fills the buffer
// the waves are then mixed into.
void SDLCALL MixTune(void* data, Uint8* stream, int bytes) {
    auto& engine = *static_cast<Engine*>(data);
    engine.mix.assign(static_cast<size_t>(bytes) / 2, 0);  // reserved at the opening: no allocation here
    const bool passEnded = engine.loop.Mix(engine.mix.data(), bytes / 4);
    auto* out = reinterpret_cast<int16_t*>(stream);
    for (size_t i = 0; i < engine.mix.size(); ++i) out[i] = static_cast<int16_t>(std::clamp(engine.mix[i], -32768, 32767));
    // The watch runs when the UI thread's event loop is about to wait: make
    // it pass once, so it sees the tune at its end.
    if (passEnded)
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [] {}, Qt::QueuedConnection);
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
}

Engine::~Engine() {
    CloseDevice();
    StopRendering();
}

bool Engine::EnsureDevice() {
    // A device the system took away (its sound server went), or the silent
    // stand-in for a driver that has worked, is opened afresh with the next
    // sound, so the sound comes back with the server.
    if (device && (DeviceRemoved() || (driver == "dummy" && !realDriver.empty())))
        CloseDevice();
    if (device) return true;
    // Ctrl+C and SIGTERM must still end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    QuietAlsaErrors();
    if (!silentOnly) device = OpenDevice(*this, realDriver.empty() ? nullptr : realDriver.c_str());
    // No sound card, no sound server: the silent driver keeps every operation
    // and the tune's timing as they would be.
    if (!device) silentOnly = (device = OpenDevice(*this, "dummy")) && realDriver.empty();
    const char* name = device ? SDL_GetCurrentAudioDriver() : nullptr;
    driver = name ? name : "";
    if (device && driver != "dummy") realDriver = driver;
    return device;
}

void Engine::CloseDevice() {
    if (!device) return;
    waves.Clear();
    Mix_CloseAudio();  // waits for the audio thread
    Mix_Quit();        // and unloads any decoder a wave file called for
    device = false;
    SDL_QuitSubSystem(kSubsystems);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
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
    if (restart || Busy()) idle_.stop();
    if ((device || tune) && !idle_.isActive() && !Busy()) idle_.start(idleCloseMilliseconds.load());
}

// The device closes, and the rendered tune unless it is open: back to the system.
void Engine::GoQuiet() {
    if (Busy()) return;  // the next command re-arms
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

size_t AudioTuneBytes() { return audio::theEngine && audio::theEngine->tune ? audio::theEngine->tune->Bytes() : 0; }

}  // namespace platform
