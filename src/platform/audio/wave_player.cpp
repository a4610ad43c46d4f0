// Wave sounds read once and mixed on the audio thread.
#include "platform/audio/wave_player.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/audio/tune_renderer.h"

namespace platform::audio {
namespace {

// A soft 880 Hz tone of 150 ms, its start and end ramped so it does not click.
std::vector<int16_t> DefaultBeep() {
    constexpr double kSeconds = 0.15, kPeak = 0.3;
    std::vector<int16_t> samples(static_cast<size_t>(kSampleRate * kSeconds) * 2);
    for (size_t i = 0; i < samples.size() / 2; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double ramp = std::min({1.0, t / 0.005, (kSeconds - t) / 0.03});
        const double value = kPeak * ramp * std::sin(2.0 * std::numbers::pi * 880.0 * t);
        samples[2 * i] = samples[2 * i + 1] = static_cast<int16_t>(std::lround(value * 32767.0));
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
        std::vector<Uint8> buffer(static_cast<size_t>(length) * cvt.len_mult);
        std::memcpy(buffer.data(), data, length);
        cvt.buf = buffer.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) == 0) {
            samples.resize(static_cast<size_t>(cvt.len_cvt) / sizeof(int16_t) / 2 * 2);
            std::memcpy(samples.data(), buffer.data(), samples.size() * sizeof(int16_t));
        }
    }
    SDL_FreeWAV(data);
    return samples;
}

}  // namespace

const WavePlayer::Samples& WavePlayer::Load(const std::string& file) {
    if (auto it = sounds_.find(file); it != sounds_.end()) return it->second;
    Samples samples = ReadWave(file);
    // A file that cannot be played is not remembered: it may appear later.
    if (samples.empty()) return sounds_.try_emplace("", DefaultBeep()).first->second;
    return sounds_.emplace(file, std::move(samples)).first->second;
}

void WavePlayer::Start(const std::string& file) {
    const Samples& sound = Load(file);
    std::lock_guard lock(mutex_);
    playing_ = &sound;
    position_ = 0;
}

void WavePlayer::Wait() {
    std::unique_lock lock(mutex_);
    if (!playing_) return;
    const auto length = std::chrono::milliseconds(playing_->size() / 2 * 1000 / kSampleRate);
    if (!ended_.wait_for(lock, length + std::chrono::seconds(1), [this] { return !playing_; })) playing_ = nullptr;
}

void WavePlayer::Stop() {
    {
        std::lock_guard lock(mutex_);
        playing_ = nullptr;
    }
    ended_.notify_all();
}

bool WavePlayer::Playing() {
    std::lock_guard lock(mutex_);
    return playing_ != nullptr;
}

void WavePlayer::Clear() {
    Stop();
    sounds_.clear();
}

void WavePlayer::Mix(int32_t* mix, int frames) {
    bool ended = false;
    {
        std::lock_guard lock(mutex_);
        if (!playing_) return;
        const size_t n = std::min(static_cast<size_t>(frames) * 2, playing_->size() - position_);
        for (size_t i = 0; i < n; ++i) mix[i] += (*playing_)[position_ + i];
        position_ += n;
        if (position_ >= playing_->size()) {
            playing_ = nullptr;
            ended = true;
        }
    }
    if (ended) ended_.notify_all();
}

}  // namespace platform::audio
