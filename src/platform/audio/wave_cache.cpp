#include "platform/audio/wave_cache.h"

#include "platform/audio/audio_engine.h"
#include "platform/audio/default_beep.h"

namespace platform::audio {

Mix_Chunk* WaveCache::Get(const std::string& file) {
    auto it = chunks_.find(file);
    if (it != chunks_.end()) return it->second;
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    // A failed load is not remembered: the file may appear later.
    if (chunk) chunks_[file] = chunk;
    return chunk;
}

Mix_Chunk* WaveCache::Beep() {
    if (!beep_) {
        beepSamples_ = MakeDefaultBeep(kSampleRate);
        beep_ = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(beepSamples_.data()),
                                  static_cast<Uint32>(beepSamples_.size() * sizeof(int16_t)));
    }
    return beep_;
}

void WaveCache::Clear() {
    for (auto& [file, chunk] : chunks_) Mix_FreeChunk(chunk);
    chunks_.clear();
    if (beep_) Mix_FreeChunk(beep_);
    beep_ = nullptr;
    beepSamples_.clear();
}

}  // namespace platform::audio
