#include "platform/audio/tune_cache.h"

#include <malloc.h>

#include <algorithm>

#include "platform/audio/tune_renderer.h"

namespace platform::audio {

TuneCache::TuneCache(std::string soundFont) : soundFont_(std::move(soundFont)) {}

TuneCache::~TuneCache() {
    for (Entry& entry : entries_) Release(entry);
}

void TuneCache::Release(Entry& entry) {
    entry.cancel->store(true);
    if (entry.renderer.joinable()) entry.renderer.join();
}

std::shared_ptr<const RenderedTune> TuneCache::Get(const std::vector<unsigned char>& smf) {
    for (const Entry& entry : entries_)
        if (entry.smf == smf) return entry.tune;
    Entry& entry = entries_.emplace_back();
    entry.smf = smf;
    entry.tune = std::make_shared<RenderedTune>();
    entry.cancel = std::make_unique<std::atomic<bool>>(false);
    // The worker keeps what it renders alive, and the bytes it reads.
    entry.renderer = std::thread([smf, soundFont = soundFont_, tune = entry.tune, cancel = entry.cancel.get()] {
        RenderTune(smf, soundFont, *tune, *cancel);
    });
    return entry.tune;
}

size_t TuneCache::Bytes() const {
    size_t bytes = 0;
    for (const Entry& entry : entries_) bytes += entry.tune->Bytes();
    return bytes;
}

bool TuneCache::HoldsUnused() const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [](const Entry& entry) { return entry.tune.use_count() == 1; });
}

void TuneCache::DropUnused() {
    bool dropped = false;
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->tune.use_count() == 1) {
            Release(*it);
            it = entries_.erase(it);
            dropped = true;
        } else {
            ++it;
        }
    }
    if (dropped) malloc_trim(0);
}

}  // namespace platform::audio
