#pragma once
// Tunes rendered to PCM, by their file's bytes, shared by whoever plays
// them. Each tune is rendered once, on a worker thread of its own, while the
// first seconds may already play; the cache lets go of what nobody plays
// when told to (the device has closed for idleness). UI thread only.
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio/rendered_tune.h"

namespace platform::audio {

class TuneCache {
public:
    explicit TuneCache(std::string soundFont);
    ~TuneCache();
    TuneCache(const TuneCache&) = delete;
    TuneCache& operator=(const TuneCache&) = delete;

    // The tune of these bytes, rendering it if no one has yet.
    std::shared_ptr<const RenderedTune> Get(const std::vector<unsigned char>& smf);
    // Tunes only the cache still holds: the device closed, they can go.
    bool HoldsUnused() const;
    void DropUnused();
    size_t Bytes() const;

private:
    struct Entry {
        std::vector<unsigned char> smf;
        std::shared_ptr<RenderedTune> tune;
        std::unique_ptr<std::atomic<bool>> cancel;
        std::thread renderer;
    };
    static void Release(Entry& entry);

    std::string soundFont_;
    std::vector<Entry> entries_;
};

}  // namespace platform::audio
