#pragma once
// The opened audio: SDL_mixer's device, the synthesizer hooked into it as the
// music, the open tunes' aliases and the loaded wave sounds.
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

struct Engine {
    std::unique_ptr<Synth> synth;
    std::string soundFont;
    std::string driver;       // "" when not even the silent driver opened
    bool mixerOpen = false;
    std::map<std::string, int> aliases;  // lower-case alias -> tune of the synth
    WaveCache waves;
};

// The audio, opened on first need. UI thread only.
Engine& CurrentEngine();

}  // namespace platform::audio
