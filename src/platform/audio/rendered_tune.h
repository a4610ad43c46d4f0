#pragma once
// A tune rendered to 16-bit stereo: its pass (first event to last), then the
// ring-out of the notes and the reverb. One thread renders into it while
// others read: frames live in blocks that never move, and a reader reads only
// below the published count, so neither side locks.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::audio {

inline constexpr int kSampleRate = 44100;

class RenderedTune {
public:
    static constexpr int64_t kBlockFrames = kSampleRate;  // a second a block
    static constexpr int64_t kMaxBlocks = 3600;           // an hour: longer tunes end there
    enum class Progress { Rendering, Complete, Failed };

    RenderedTune();
    ~RenderedTune();

    // The renderer's side, from one thread; Append returns false once full.
    // MarkPassEnd: the pass ends here, what follows rings out.
    bool Append(const int16_t* frames, int64_t count);
    void MarkPassEnd() { passFrames_.store(Rendered(), std::memory_order_release); }
    void Finish();
    void Fail() { state_.store(Progress::Failed, std::memory_order_release); }

    // Any thread. PassFrames is -1 until the renderer has reached the pass's
    // end, which it marks before it publishes a frame past it.
    int64_t Rendered() const { return rendered_.load(std::memory_order_acquire); }
    int64_t PassFrames() const { return passFrames_.load(std::memory_order_acquire); }
    Progress State() const { return state_.load(std::memory_order_acquire); }
    void Read(int64_t from, int64_t count, int16_t* out) const;  // below Rendered()
    size_t Bytes() const;

private:
    std::unique_ptr<int16_t*[]> blocks_;
    std::atomic<int64_t> rendered_{0};
    std::atomic<int64_t> passFrames_{-1};
    std::atomic<Progress> state_{Progress::Rendering};
};

// FluidSynth renders the Standard MIDI File into `into`, as fast as the
// machine allows, and returns once it is complete, has failed (no soundfont,
// a file FluidSynth cannot play) or was cancelled; the synthesizer and the
// soundfont are gone by then. The ring-out lasts until the last voice has
// ended and the reverb has died away.
void RenderTune(const std::vector<unsigned char>& smf, const std::string& soundFont, RenderedTune& into,
                const std::atomic<bool>& cancel);

}  // namespace platform::audio
