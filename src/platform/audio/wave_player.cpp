#include "platform/audio/wave_player.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "platform/audio/audio.h"
#include "platform/audio/audio_engine.h"

namespace platform::audio {
namespace {

struct Finished {
    std::mutex mutex;
    std::condition_variable changed;
    uint64_t count = 0;  // endings of the wave channel so far
};

Finished& WaveFinished() {
    static Finished finished;
    return finished;
}

uint64_t FinishedCount() {
    Finished& f = WaveFinished();
    std::lock_guard lock(f.mutex);
    return f.count;
}

std::chrono::milliseconds Length(const Mix_Chunk& chunk) {
    return std::chrono::milliseconds(static_cast<int64_t>(chunk.alen) * 1000 / (kSampleRate * 4));
}

// Returns once the channel has ended after `before` endings. The deadline
// only guards against an audio thread that has stopped mixing (a device
// that went away); a healthy device always ends the sound first.
void WaitForEnd(uint64_t before, std::chrono::milliseconds length) {
    Finished& f = WaveFinished();
    std::unique_lock lock(f.mutex);
    const auto deadline = std::chrono::steady_clock::now() + length + std::chrono::seconds(2);
    if (!f.changed.wait_until(lock, deadline, [&] { return f.count > before; })) {
        lock.unlock();
        Mix_HaltChannel(kWaveChannel);
    }
}

}  // namespace

void OnChannelFinished(int channel) {
    if (channel != kWaveChannel) return;
    Finished& f = WaveFinished();
    {
        std::lock_guard lock(f.mutex);
        ++f.count;
    }
    f.changed.notify_all();
}

}  // namespace platform::audio

namespace platform {

bool sndPlaySound(const char* file, unsigned flags) {
    using namespace audio;
    Engine& engine = CurrentEngine();
    if (!file) {
        if (engine.mixerOpen) Mix_HaltChannel(kWaveChannel);
        return true;
    }
    if (!EnsureDevice(engine)) return false;
    // One wave sound at a time: a new one replaces the old.
    Mix_HaltChannel(kWaveChannel);

    Mix_Chunk* chunk = engine.waves.Get(file);
    if (!chunk) {
        if (flags & kSndNoDefault) return false;
        chunk = engine.waves.Beep();
        if (!chunk) return false;
    }
    const uint64_t before = FinishedCount();
    if (Mix_PlayChannel(kWaveChannel, chunk, 0) < 0) return false;
    if (!(flags & kSndAsync)) WaitForEnd(before, Length(*chunk));
    return true;
}

}  // namespace platform
