#pragma once
// The opened audio: the synthesizer with its soundfont, the open tunes'
// aliases, and SDL_mixer's device with the synthesizer hooked in as the
// music. The device is opened when something is to sound and closed again
// after a few idle seconds, so a silent program costs no CPU.
#include <map>
#include <memory>
#include <string>

#include "platform/audio/synth.h"
#include "platform/audio/wave_cache.h"

namespace platform::audio {

inline constexpr int kSampleRate = 44100;
// About 23 ms per buffer: a click starts promptly, and the audio thread wakes
// only 43 times a second.
inline constexpr int kBufferFrames = 1024;

class IdleCloser;

struct Engine {
    Engine();
    ~Engine();

    std::unique_ptr<Synth> synth;
    std::string soundFont;
    std::map<std::string, int> aliases;  // lower-case alias -> tune of the synth

    bool mixerOpen = false;
    bool silentOnly = false;  // the real driver failed once: go straight to "dummy"
    std::string driver;       // of the last opening, "" if even "dummy" failed
    WaveCache waves;          // valid while the device is open
    std::unique_ptr<IdleCloser> idleCloser;
};

// The engine, with its synthesizer ready. UI thread only.
Engine& CurrentEngine();

// Opens the device if it is closed; false when not even the silent driver
// would open.
bool EnsureDevice(Engine& engine);

// Something is sounding or about to: a playing tune or a wave sound.
bool Busy(Engine& engine);

}  // namespace platform::audio
