#pragma once
// The opened audio: the tunes rendered to PCM and the player that mixes
// them, the open tunes' aliases, and SDL_mixer's device with the player
// hooked in as the music. The device is opened when something is to sound
// and closed again after a few idle seconds, and the rendered tunes nobody
// plays go with it, so a silent program costs neither CPU nor memory.
#include <map>
#include <memory>
#include <string>

#include "platform/audio/pcm_player.h"
#include "platform/audio/tune_cache.h"
#include "platform/audio/tune_renderer.h"
#include "platform/audio/wave_cache.h"

namespace platform::audio {

// About 23 ms per buffer: a click starts promptly, and the audio thread wakes
// only 43 times a second.
inline constexpr int kBufferFrames = 1024;

class IdleCloser;

struct Engine {
    Engine();
    ~Engine();

    std::string soundFont;
    TuneCache tunes;
    PcmPlayer player;
    std::map<std::string, int> aliases;  // lower-case alias -> tune of the player

    bool mixerOpen = false;
    bool silentOnly = false;  // the real driver failed once: go straight to "dummy"
    std::string driver;       // of the last opening, "" if even "dummy" failed
    WaveCache waves;          // valid while the device is open
    std::unique_ptr<IdleCloser> idleCloser;
};

// The engine. UI thread only.
Engine& CurrentEngine();

// Opens the device if it is closed; false when not even the silent driver
// would open.
bool EnsureDevice(Engine& engine);

// Something is sounding or about to: a playing tune or a wave sound.
bool Busy(Engine& engine);

// Reads a Standard MIDI File; kMciOk, or the error an open reports.
long ReadMidiFile(const std::string& path, std::vector<unsigned char>& bytes);

}  // namespace platform::audio
