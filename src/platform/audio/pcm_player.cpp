#include "platform/audio/pcm_player.h"

#include <algorithm>
#include <array>

#include "platform/audio/tune_renderer.h"

namespace platform::audio {
namespace {

// Long enough that cutting a note short makes no click.
constexpr int64_t kFadeFrames = kSampleRate / 50;
// How long the next pass plays on without the replay that takes it over:
// the watch replays as soon as the UI thread is free again, and a click
// sound holds it for a twentieth of a second.
constexpr int64_t kAheadFrames = kSampleRate / 2;
constexpr int kChunk = 1024;

void Accumulate(const RenderedTune& pcm, int64_t from, int64_t count, int32_t* mix, int64_t fadeLeft, int64_t fadeTotal,
                bool fadeUp) {
    std::array<int16_t, 2 * kChunk> frames;
    for (int64_t done = 0; done < count;) {
        const int64_t n = std::min<int64_t>(count - done, kChunk);
        pcm.Read(from + done, n, frames.data());
        for (int64_t i = 0; i < n; ++i) {
            int32_t gain = 1 << 15;
            const int64_t k = done + i;
            if (k < fadeLeft) {
                const int64_t step = fadeTotal - fadeLeft + k;  // frames into the fade
                gain = static_cast<int32_t>(((fadeUp ? step : fadeTotal - step) << 15) / fadeTotal);
            } else if (!fadeUp && fadeTotal > 0) {
                gain = 0;
            }
            mix[2 * (done + i)] += (frames[2 * i] * gain) >> 15;
            mix[2 * (done + i) + 1] += (frames[2 * i + 1] * gain) >> 15;
        }
        done += n;
    }
}

}  // namespace

PcmPlayer::PcmPlayer(std::function<void()> onPassEnd) : onPassEnd_(std::move(onPassEnd)) { ringOuts_.reserve(16); }

PcmPlayer::Tune* PcmPlayer::Find(int id) {
    const auto it = tunes_.find(id);
    return it == tunes_.end() ? nullptr : &it->second;
}

int PcmPlayer::Add(std::shared_ptr<const RenderedTune> tune) {
    std::lock_guard lock(mutex_);
    const int id = nextId_++;
    tunes_[id].pcm = std::move(tune);
    return id;
}

void PcmPlayer::FadeAway(Tune& tune, int64_t delay) {
    if (tune.playing)
        ringOuts_.push_back({tune.pcm, tune.position, tune.position + kFadeFrames, kFadeFrames, 0, delay});
    tune.playing = false;
}

void PcmPlayer::Remove(int id) {
    std::lock_guard lock(mutex_);
    if (Tune* tune = Find(id)) {
        FadeAway(*tune);
        tunes_.erase(id);
    }
}

void PcmPlayer::PlayFromStart(int id) {
    std::lock_guard lock(mutex_);
    Tune* tune = Find(id);
    if (!tune) return;
    if (tune->playing && tune->passEnded) {
        tune->passEnded = false;  // the pass playing ahead is the one asked for
        return;
    }
    FadeAway(*tune);
    *tune = Tune{tune->pcm};
    tune->playing = true;
}

void PcmPlayer::Resume(int id) {
    std::lock_guard lock(mutex_);
    Tune* tune = Find(id);
    if (!tune) return;
    if (tune->playing) {
        tune->passEnded = false;
        return;
    }
    tune->playing = true;
    tune->fadeIn = tune->position > 0 ? kFadeFrames : 0;
}

void PcmPlayer::Stop(int id) {
    std::lock_guard lock(mutex_);
    Tune* tune = Find(id);
    if (!tune || !tune->playing) return;
    FadeAway(*tune);
    // A tune whose pass had ended starts afresh when played again.
    if (tune->passEnded) *tune = Tune{tune->pcm};
}

PcmPlayer::Mode PcmPlayer::ModeOf(int id) {
    std::lock_guard lock(mutex_);
    const Tune* tune = Find(id);
    if (!tune || tune->pcm->State() == RenderedTune::Progress::Failed) return Mode::Failed;
    return tune->playing && !tune->passEnded ? Mode::Playing : Mode::Stopped;
}

bool PcmPlayer::Sounding() {
    std::lock_guard lock(mutex_);
    if (!ringOuts_.empty()) return true;
    return std::any_of(tunes_.begin(), tunes_.end(), [](const auto& entry) {
        const Tune& tune = entry.second;
        return tune.playing && tune.pcm->State() != RenderedTune::Progress::Failed;
    });
}

void PcmPlayer::MixTune(Tune& tune, int32_t* mix, int frames, bool& passEnded) {
    const RenderedTune& pcm = *tune.pcm;
    int done = 0;
    while (done < frames && tune.playing) {
        const int64_t rendered = pcm.Rendered();
        const int64_t pass = pcm.PassFrames();
        if (pass >= 0 && tune.position >= pass) {
            // What rings on after the last event sounds by itself, and the
            // next pass begins on the very next frame.
            ringOuts_.push_back({tune.pcm, pass, -1, 0, 0, done});
            tune.position = 0;
            tune.fadeIn = 0;
            // A tune shorter than the time ahead counts on from its first end.
            if (!tune.passEnded) tune.ahead = 0;
            tune.passEnded = true;
            passEnded = true;
            if (pass == 0) tune.playing = false;  // nothing to loop
            continue;
        }
        const int64_t limit = pass >= 0 ? std::min(rendered, pass) : rendered;
        int64_t n = std::min<int64_t>(frames - done, limit - tune.position);
        if (tune.passEnded) n = std::min(n, kAheadFrames - tune.ahead);
        if (n <= 0 && !tune.passEnded) break;  // not rendered yet: wait, keeping the place
        if (n > 0) {
            Accumulate(pcm, tune.position, n, mix + 2 * done, tune.fadeIn, kFadeFrames, true);
            tune.fadeIn = std::max<int64_t>(0, tune.fadeIn - n);
            tune.position += n;
            done += static_cast<int>(n);
            if (tune.passEnded) tune.ahead += n;
        }
        if (tune.passEnded && tune.ahead >= kAheadFrames) {
            // Nobody took the next pass over: it fades away, and a later
            // play starts the tune afresh.
            FadeAway(tune, done);
            tune = Tune{tune.pcm};
        }
    }
}

void PcmPlayer::MixRingOut(RingOut& ring, int32_t* mix, int frames, bool& finished) {
    // One that began in mid-buffer starts where it began.
    mix += 2 * ring.delay;
    frames -= static_cast<int>(ring.delay);
    ring.delay = 0;
    const RenderedTune& pcm = *ring.pcm;
    const bool complete = pcm.State() != RenderedTune::Progress::Rendering;
    const int64_t rendered = pcm.Rendered();
    const int64_t end = ring.end < 0 ? rendered : std::min(ring.end, rendered);
    const int64_t n = std::min<int64_t>(frames, end - ring.position);
    if (n > 0) {
        Accumulate(pcm, ring.position, n, mix, ring.fade > 0 ? ring.fade - ring.done : 0, ring.fade, false);
        ring.position += n;
        ring.done += n;
    }
    const bool faded = ring.fade > 0 && ring.done >= ring.fade;
    const bool atEnd = ring.position >= end && (complete || ring.end >= 0);
    finished = faded || atEnd;
}

void PcmPlayer::Render(int16_t* out, int frames) {
    // Grown once to the device's buffer; the audio thread allocates nothing
    // after that.
    std::vector<int32_t>& mix = mix_;
    mix.assign(static_cast<size_t>(frames) * 2, 0);
    bool passEnded = false;
    {
        std::lock_guard lock(mutex_);
        for (auto& [id, tune] : tunes_) MixTune(tune, mix.data(), frames, passEnded);
        for (size_t i = 0; i < ringOuts_.size();) {
            bool finished = false;
            MixRingOut(ringOuts_[i], mix.data(), frames, finished);
            if (finished) {
                ringOuts_.erase(ringOuts_.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                ++i;
            }
        }
    }
    for (size_t i = 0; i < mix.size(); ++i) out[i] = static_cast<int16_t>(std::clamp(mix[i], -32768, 32767));
    if (passEnded && onPassEnd_) onPassEnd_();
}

}  // namespace platform::audio
