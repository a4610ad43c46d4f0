// Wave sounds read once and played on SDL_mixer's channel.
#include "platform/audio/wave_player.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <numbers>
#include <vector>

#include "platform/audio/rendered_tune.h"

namespace platform::audio {
namespace {

constexpr int kChannel = 0;
// A device that mixes calls back every 23 ms; one that has not for this long
// has stopped, and a busy machine does not hold its audio thread that long.
constexpr std::chrono::milliseconds kStill{500};

// SDL_mixer reports a channel's end with no word of whose it is: one device,
// one channel, one flag.
std::mutex mutex;
std::condition_variable ended;
bool playing = false;

// From the audio thread at the sound's end, or from a halt, with the device locked.
void SDLCALL Ended(int) {
    std::lock_guard lock(mutex);
    playing = false;
    ended.notify_all();
}

// A soft 880 Hz tone of 150 ms, its start and end ramped so it does not click.
std::vector<int16_t> DefaultBeep() {
    constexpr double kSeconds = 0.15;
    std::vector<int16_t> samples(static_cast<size_t>(kSampleRate * kSeconds) * 2);
    for (size_t i = 0; i < samples.size() / 2; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double ramp = std::min({1.0, t / 0.005, (kSeconds - t) / 0.03});
        samples[2 * i] = samples[2 * i + 1] =
            static_cast<int16_t>(std::lround(0.3 * ramp * std::sin(2.0 * std::numbers::pi * 880.0 * t) * 32767.0));
    }
    return samples;
}

}  // namespace

bool WavePlayer::Play(const std::string& file, const std::atomic<uint64_t>& mixes) {
    auto it = sounds_.find(file);
    if (it == sounds_.end()) {
        // A file that cannot be played is not remembered: it may appear later.
        if (Mix_Chunk* chunk = Mix_LoadWAV(file.c_str())) {
            it = sounds_.emplace(file, chunk).first;
        } else if ((it = sounds_.find("")) == sounds_.end()) {
            static std::vector<int16_t> beep = DefaultBeep();  // the device's format: 16-bit stereo at kSampleRate
            it = sounds_.emplace("", Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(beep.data()), beep.size() * 2)).first;
        }
    }
    Mix_ChannelFinished(Ended);
    Stop();  // the end of the last sound must not wake this one's wait
    std::unique_lock lock(mutex);
    playing = true;
    lock.unlock();  // the end is reported with the device locked: never lock that under ours
    if (Mix_PlayChannel(kChannel, it->second, 0) != kChannel) {
        Ended(kChannel);
        return true;
    }
    lock.lock();
    for (uint64_t seen = mixes.load(); !ended.wait_for(lock, kStill, [] { return !playing; });) {
        if (mixes.load() == seen) {
            // Off the channel, so it does not sound late when the device
            // moves again; a stalled audio thread holds no lock of SDL's.
            lock.unlock();
            Stop();
            lock.lock();
            playing = false;
            return false;
        }
        seen = mixes.load();
    }
    return true;
}

// SDL_mixer keeps its count of channels when it closes, but not the channels.
void WavePlayer::Stop() {
    if (Mix_QuerySpec(nullptr, nullptr, nullptr)) Mix_HaltChannel(kChannel);
}

bool WavePlayer::Playing() {
    std::lock_guard lock(mutex);
    return playing;
}

void WavePlayer::Clear() {
    Stop();
    for (const auto& [file, chunk] : sounds_) Mix_FreeChunk(chunk);
    sounds_.clear();
}

}  // namespace platform::audio
