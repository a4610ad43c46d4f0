#pragma once
// Wave sounds loaded once per file, and the stand-in beep for a file that
// cannot be played. Frees its chunks on Clear(); the caller halts them first.
#include <SDL_mixer.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace platform::audio {

class WaveCache {
public:
    WaveCache() = default;
    WaveCache(const WaveCache&) = delete;
    WaveCache& operator=(const WaveCache&) = delete;
    ~WaveCache() { Clear(); }

    // nullptr when the file is missing or not a sound SDL_mixer can read.
    Mix_Chunk* Get(const std::string& file);
    Mix_Chunk* Beep();
    void Clear();

private:
    std::map<std::string, Mix_Chunk*> chunks_;
    std::vector<int16_t> beepSamples_;
    Mix_Chunk* beep_ = nullptr;
};

}  // namespace platform::audio
