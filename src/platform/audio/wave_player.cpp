// Wave sounds read once and mixed on the audio thread.
#include "platform/audio/wave_player.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/audio/rendered_tune.h"

namespace platform::audio {
namespace {

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

// The file as 16-bit stereo at kSampleRate; empty if SDL cannot read it.
std::vector<int16_t> ReadWave(const std::string& file) {
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(file.c_str(), &spec, &data, &length)) return {};
    SDL_AudioCVT cvt;
    std::vector<int16_t> samples;
    if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 2, kSampleRate) >= 0) {
        samples.resize((static_cast<size_t>(length) * cvt.len_mult + 3) / 4 * 2);
        std::memcpy(samples.data(), data, length);
        cvt.buf = reinterpret_cast<Uint8*>(samples.data());
        cvt.len = static_cast<int>(length);
        samples.resize(SDL_ConvertAudio(&cvt) == 0 ? static_cast<size_t>(cvt.len_cvt) / 4 * 2 : 0);
    }
    SDL_FreeWAV(data);
    return samples;
}

}  // namespace

void WavePlayer::Play(const std::string& file) {
    auto it = sounds_.find(file);
    if (it == sounds_.end()) {
        std::vector<int16_t> samples = ReadWave(file);
        // A file that cannot be played is not remembered: it may appear later.
        it = samples.empty() ? sounds_.try_emplace("", DefaultBeep()).first
                             : sounds_.emplace(file, std::move(samples)).first;
    }
    std::unique_lock lock(mutex_);
    playing_ = &it->second;
    position_ = 0;
    const auto length = std::chrono::milliseconds(playing_->size() / 2 * 1000 / kSampleRate + 1000);
    if (!ended_.wait_for(lock, length, [this] { return !playing_; })) playing_ = nullptr;
}

void WavePlayer::Stop() {
    std::lock_guard lock(mutex_);
    playing_ = nullptr;
}

bool WavePlayer::Playing() {
    std::lock_guard lock(mutex_);
    return playing_ != nullptr;
}

void WavePlayer::Clear() {
    Stop();  // the audio thread has stopped: nothing reads the sounds
    sounds_.clear();
}

void WavePlayer::Mix(int32_t* mix, int frames) {
    std::lock_guard lock(mutex_);
    if (!playing_) return;
    const size_t n = std::min(static_cast<size_t>(frames) * 2, playing_->size() - position_);
    for (size_t i = 0; i < n; ++i) mix[i] += (*playing_)[position_ + i];
    position_ += n;
    if (position_ < playing_->size()) return;
    playing_ = nullptr;
    ended_.notify_all();
}

}  // namespace platform::audio
