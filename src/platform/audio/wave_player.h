#pragma once
// Wave sounds, one at a time: each file read and converted once, the default
// beep for one that cannot be played. The UI thread plays and waits, the
// audio thread mixes; the device's closing clears the sounds.
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace platform::audio {

class WavePlayer {
public:
    // Plays the file, or the beep, and returns once it has ended; gives up a
    // second after its length, should the device have stopped mixing.
    void Play(const std::string& file);
    void Stop();
    bool Playing();
    void Clear();

    // Audio thread: adds the sound's next frames to mix.
    void Mix(int32_t* mix, int frames);

private:
    std::map<std::string, std::vector<int16_t>> sounds_;  // stereo at kSampleRate; "" is the beep
    std::mutex mutex_;
    std::condition_variable ended_;
    const std::vector<int16_t>* playing_ = nullptr;
    size_t position_ = 0;
};

}  // namespace platform::audio
