#pragma once
// The four sound operations the engine calls, and the tune's preparation.
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
    // Gets the tune ready off the UI thread, so that a MidiPlay soon after
    // sounds at once; plays nothing.
    virtual void PrepareTune(const std::string& file) = 0;
};

}  // namespace engine
