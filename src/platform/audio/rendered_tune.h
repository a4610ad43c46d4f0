#pragma once
// A tune rendered to interleaved 16-bit stereo: its pass (from the first
// event to the last) and, after it, the ring-out of the notes and the reverb
// once the last event has passed. One thread renders into it while others
// read what is there: frames live in fixed blocks that never move, and a
// reader reads only below the published count, so neither side locks.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform::audio {

class RenderedTune {
public:
    static constexpr int kChannels = 2;
    static constexpr int64_t kBlockFrames = 44100;  // a second a block at the device's rate
    static constexpr int64_t kMaxBlocks = 3600;     // an hour: longer tunes end there

    enum class Progress { Rendering, Complete, Failed };

    RenderedTune();
    ~RenderedTune();
    RenderedTune(const RenderedTune&) = delete;
    RenderedTune& operator=(const RenderedTune&) = delete;

    // The renderer's side, from one thread. Append returns false once the
    // tune is full.
    bool Append(const int16_t* frames, int64_t count);
    // The pass ends at the frames appended so far; what follows rings out.
    void MarkPassEnd();
    void Finish();
    void Fail();

    // Any thread.
    int64_t Rendered() const { return rendered_.load(std::memory_order_acquire); }
    // The pass's length once the renderer has reached its end, else -1. Read
    // after Rendered(): whenever frames past the pass are published, it is.
    int64_t PassFrames() const { return passFrames_.load(std::memory_order_acquire); }
    Progress State() const { return state_.load(std::memory_order_acquire); }
    // Copies frames [from, from + count), all below Rendered().
    void Read(int64_t from, int64_t count, int16_t* out) const;
    // Memory held by the frames.
    size_t Bytes() const;

private:
    struct Block;
    std::unique_ptr<Block[]> blocks_;
    std::atomic<int64_t> rendered_{0};
    std::atomic<int64_t> passFrames_{-1};
    std::atomic<Progress> state_{Progress::Rendering};
};

}  // namespace platform::audio
