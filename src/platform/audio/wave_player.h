#pragma once
// Wave sounds: each file read and converted to the device's format once,
// the default beep for a file that cannot be played, one sound at a time.
// The UI thread plays and waits; the audio thread mixes. Holds the sounds
// until Clear(), which the device's closing calls.
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace platform::audio {

class WavePlayer {
public:
    // Starts the file, or the beep, in place of any sound playing.
    void Start(const std::string& file);
    // Returns once the sound has ended or been stopped; gives up (and stops
    // it) a second after its length, should the device have stopped mixing.
    void Wait();
    void Stop();
    bool Playing();
    void Clear();

    // Audio thread: adds the sound's next frames to mix.
    void Mix(int32_t* mix, int frames);

private:
    using Samples = std::vector<int16_t>;  // interleaved stereo at the device's rate
    const Samples& Load(const std::string& file);

    std::map<std::string, Samples> sounds_;  // "" is the beep
    std::mutex mutex_;
    std::condition_variable ended_;
    const Samples* playing_ = nullptr;
    size_t position_ = 0;
};

}  // namespace platform::audio
