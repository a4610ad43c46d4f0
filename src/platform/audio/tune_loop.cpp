// The background tune looped on the audio thread.
#include "platform/audio/tune_loop.h"

#include <algorithm>
#include <array>

namespace platform::audio {
namespace {

constexpr int64_t kFadeFrames = kSampleRate / 50;
// A tune still rendering starts once this much (or its pass) is ready, so a
// renderer held up by a busy machine does not break the first notes.
constexpr int64_t kLeadFrames = kSampleRate / 4;

void FadeOut(auto& voice) {
    if (voice.pcm && voice.fadeLeft == 0) voice.fadeLeft = kFadeFrames;
}

}  // namespace

void TuneLoop::Play(std::shared_ptr<const RenderedTune> tune) {
    std::unique_lock lock(mutex_);
    if (pass_.pcm == tune && passEnded_) {
        passEnded_ = false;  // the pass playing on is the one asked for
        return;
    }
    if (tune && std::find(held_.begin(), held_.end(), tune) == held_.end()) held_.push_back(tune);
    if (pass_.pcm) stopped_ = pass_;
    FadeOut(stopped_);
    FadeOut(ringOut_);
    pass_ = Voice{std::move(tune)};
    passEnded_ = false;
    auto unheld = Unheld();
    lock.unlock();
}

std::vector<std::shared_ptr<const RenderedTune>> TuneLoop::Unheld() {
    std::vector<std::shared_ptr<const RenderedTune>> unheld;
    std::erase_if(held_, [&](const auto& tune) {
        if (tune == pass_.pcm || tune == ringOut_.pcm || tune == stopped_.pcm) return false;
        unheld.push_back(tune);
        return true;
    });
    return unheld;
}

void TuneLoop::Release() {
    std::unique_lock lock(mutex_);
    auto unheld = Unheld();
    lock.unlock();
}

void TuneLoop::DropFading() {
    std::unique_lock lock(mutex_);
    stopped_ = ringOut_ = Voice{};
    auto unheld = Unheld();
    lock.unlock();
}

void TuneLoop::Stop() { Play(nullptr); }

bool TuneLoop::Playing() {
    std::lock_guard lock(mutex_);
    return pass_.pcm && !passEnded_;
}

bool TuneLoop::Looping() {
    std::lock_guard lock(mutex_);
    return pass_.pcm && pass_.pcm->State() != RenderedTune::Progress::Failed;
}

// Mixes what the renderer has published: the pass up to its end, a ring-out
// up to its last frame. A voice that catches up with the renderer waits
// there, keeping its place.
void TuneLoop::MixVoice(Voice& voice, int32_t* mix, int frames, bool ringOut) {
    if (!voice.pcm) return;
    const RenderedTune& pcm = *voice.pcm;
    const int64_t rendered = pcm.Rendered(), pass = pcm.PassFrames();
    const int64_t end = ringOut || pass < 0 ? rendered : std::min(rendered, pass);
    int64_t n = std::clamp<int64_t>(end - voice.position, 0, frames);
    if (voice.fadeLeft > 0) n = std::min(n, voice.fadeLeft);
    std::array<int16_t, 2 * 256> chunk;
    for (int64_t done = 0; done < n; done += 256) {
        const int64_t count = std::min<int64_t>(n - done, 256);
        pcm.Read(voice.position + done, count, chunk.data());
        for (int64_t i = 0; i < 2 * count; ++i) {
            const int64_t left = voice.fadeLeft - done - i / 2;  // frames of the fade still to go
            const int32_t gain = voice.fadeLeft > 0 ? static_cast<int32_t>((left << 15) / kFadeFrames) : 1 << 15;
            mix[2 * done + i] += (chunk[i] * gain) >> 15;
        }
    }
    voice.position += n;
    const bool faded = voice.fadeLeft > 0 && ((voice.fadeLeft -= n) == 0 || voice.position >= end);
    const bool rungOut = ringOut && pcm.State() != RenderedTune::Progress::Rendering && voice.position >= rendered;
    if (faded || rungOut) voice = Voice{};
}

bool TuneLoop::Mix(int32_t* mix, int frames) {
    std::lock_guard lock(mutex_);
    MixVoice(stopped_, mix, frames, false);
    MixVoice(ringOut_, mix, frames, true);
    bool ended = false;
    const bool ready =
        pass_.pcm && (pass_.position > 0 || pass_.pcm->PassFrames() >= 0 || pass_.pcm->Rendered() >= kLeadFrames);
    for (int done = 0; ready && pass_.pcm && done < frames;) {
        const int64_t before = pass_.position, pass = pass_.pcm->PassFrames();
        MixVoice(pass_, mix + 2 * done, frames - done, false);
        done += static_cast<int>(pass_.position - before);
        if (pass < 0 || pass_.position < pass) {
            if (pass_.position == before) break;  // waiting for the renderer
            continue;
        }
        // The next pass begins on the very next frame, and what rings on
        // after the last event sounds over it (a ring-out still sounding
        // from a shorter pass before is cut).
        ended = passEnded_ = true;
        ringOut_ = Voice{pass_.pcm, pass};
        MixVoice(ringOut_, mix + 2 * done, frames - done, true);
        pass_.position = 0;
        if (pass == 0) pass_ = Voice{};  // nothing to loop
    }
    return ended;
}

}  // namespace platform::audio
