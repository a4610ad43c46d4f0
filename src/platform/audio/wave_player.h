#pragma once
// Wave sounds, one at a time on SDL_mixer's channel: each file read and
// converted once for the opened device, the default beep for one that cannot
// be played. The UI thread plays and waits; the device's closing clears them.
#include <SDL_mixer.h>

#include <map>
#include <string>

namespace platform::audio {

class WavePlayer {
public:
    // Plays the file, or the beep, and returns once it has ended; gives up a
    // second after its length, should the device have stopped mixing.
    void Play(const std::string& file);
    void Stop();
    bool Playing();
    void Clear();  // before the device closes

private:
    std::map<std::string, Mix_Chunk*> sounds_;  // "" is the beep
};

}  // namespace platform::audio
