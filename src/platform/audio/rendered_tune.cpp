#include "platform/audio/rendered_tune.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>

namespace platform::audio {
namespace {

constexpr size_t kBlockBytes = RenderedTune::kBlockFrames * RenderedTune::kChannels * sizeof(int16_t);

}  // namespace

// Each block is mapped on its own, so that letting go of a tune gives its
// memory straight back to the system, whatever the allocator would keep.
struct RenderedTune::Block {
    int16_t* samples = nullptr;

    ~Block() {
        if (samples) munmap(samples, kBlockBytes);
    }
    bool Map() {
        void* memory = mmap(nullptr, kBlockBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) return false;
        samples = static_cast<int16_t*>(memory);
        return true;
    }
};

RenderedTune::RenderedTune() : blocks_(std::make_unique<Block[]>(kMaxBlocks)) {}

RenderedTune::~RenderedTune() = default;

bool RenderedTune::Append(const int16_t* frames, int64_t count) {
    int64_t at = rendered_.load(std::memory_order_relaxed);
    while (count > 0) {
        const int64_t block = at / kBlockFrames;
        if (block >= kMaxBlocks) return false;
        if (!blocks_[block].samples && !blocks_[block].Map()) return false;
        const int64_t offset = at % kBlockFrames;
        const int64_t n = std::min(count, kBlockFrames - offset);
        std::memcpy(blocks_[block].samples + offset * kChannels, frames, static_cast<size_t>(n) * kChannels * 2);
        frames += n * kChannels;
        count -= n;
        at += n;
        // Published block by block, so the player can start on the first.
        rendered_.store(at, std::memory_order_release);
    }
    return true;
}

void RenderedTune::MarkPassEnd() {
    passFrames_.store(rendered_.load(std::memory_order_relaxed), std::memory_order_release);
}

void RenderedTune::Finish() {
    if (PassFrames() < 0) MarkPassEnd();
    state_.store(Progress::Complete, std::memory_order_release);
}

void RenderedTune::Fail() { state_.store(Progress::Failed, std::memory_order_release); }

void RenderedTune::Read(int64_t from, int64_t count, int16_t* out) const {
    while (count > 0) {
        const int64_t block = from / kBlockFrames;
        const int64_t offset = from % kBlockFrames;
        const int64_t n = std::min(count, kBlockFrames - offset);
        std::memcpy(out, blocks_[block].samples + offset * kChannels, static_cast<size_t>(n) * kChannels * 2);
        out += n * kChannels;
        count -= n;
        from += n;
    }
}

size_t RenderedTune::Bytes() const {
    const int64_t blocks = (Rendered() + kBlockFrames - 1) / kBlockFrames;
    return static_cast<size_t>(blocks) * kBlockBytes;
}

}  // namespace platform::audio
