#pragma once
// Wave sounds, one at a time on SDL_mixer's channel: each file read and
// converted once for the opened device, the default beep for one that cannot
// be played. The UI thread plays and waits; the device's closing clears them.
#include <SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <string>

namespace platform::audio {

class WavePlayer {
public:
    // Plays the file, or the beep, and returns once it has ended. mixes
    // counts the device's mixes: should it stay still for half a second (a
    // frozen sound server), the wait ends there, and Play says false.
    bool Play(const std::string& file, const std::atomic<uint64_t>& mixes);
    void Stop();
    bool Playing();
    void Clear();  // before the device closes

private:
    std::map<std::string, Mix_Chunk*> sounds_;  // "" is the beep
};

}  // namespace platform::audio
