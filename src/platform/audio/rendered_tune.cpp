// The rendered tune's blocks of frames.
#include "platform/audio/rendered_tune.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>

namespace platform::audio {
namespace {

constexpr size_t kBlockBytes = RenderedTune::kBlockFrames * 4;  // 16-bit stereo

}  // namespace

RenderedTune::RenderedTune() : blocks_(std::make_unique<int16_t*[]>(kMaxBlocks)) {}

// Each block is mapped on its own, so that letting go of a tune gives its
// memory straight back to the system, whatever the allocator would keep.
RenderedTune::~RenderedTune() {
    for (int64_t i = 0; i < kMaxBlocks && blocks_[i]; ++i) munmap(blocks_[i], kBlockBytes);
}

bool RenderedTune::Append(const int16_t* frames, int64_t count) {
    for (int64_t at = Rendered(); count > 0;) {
        const int64_t block = at / kBlockFrames, offset = at % kBlockFrames;
        if (block >= kMaxBlocks) return false;
        if (!blocks_[block]) {
            void* memory = mmap(nullptr, kBlockBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (memory == MAP_FAILED) return false;
            blocks_[block] = static_cast<int16_t*>(memory);
        }
        const int64_t n = std::min(count, kBlockFrames - offset);
        std::memcpy(blocks_[block] + offset * 2, frames, static_cast<size_t>(n) * 4);
        frames += n * 2;
        count -= n;
        at += n;
        // Published block by block, so the player can start on the first.
        rendered_.store(at, std::memory_order_release);
    }
    return true;
}

void RenderedTune::Finish() {
    if (PassFrames() < 0) MarkPassEnd();
    state_.store(Progress::Complete, std::memory_order_release);
}

void RenderedTune::Read(int64_t from, int64_t count, int16_t* out) const {
    while (count > 0) {
        const int64_t offset = from % kBlockFrames, n = std::min(count, kBlockFrames - offset);
        std::memcpy(out, blocks_[from / kBlockFrames] + offset * 2, static_cast<size_t>(n) * 4);
        out += n * 2;
        count -= n;
        from += n;
    }
}

size_t RenderedTune::Bytes() const { return static_cast<size_t>((Rendered() + kBlockFrames - 1) / kBlockFrames) * kBlockBytes; }

}  // namespace platform::audio
