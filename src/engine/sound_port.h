#pragma once
// The four sound operations the engine calls.
#include <string>

namespace engine {

class SoundPort {
public:
    virtual ~SoundPort() = default;
    // Restarts the looping tune from its beginning.
    virtual void MidiPlay(const std::string& file) = 0;
    // Stops and closes the tune.
    virtual void MidiStop() = 0;
    // Plays a WAV file; returns when it has ended.
    virtual void WavePlay(const std::string& file) = 0;
    // Silences any WAV sound.
    virtual void WaveStop() = 0;
};

}  // namespace engine
