#include "platform/audio/synth.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform::audio {
namespace {

// Low enough that the densest bar of the tune stays clear of full scale and
// the click sounds stand out above it.
constexpr double kGain = 0.8;
// After the last voice has ended the reverb still rings this long; then the
// synthesizer is not run at all, so an idle device costs next to nothing.
constexpr double kReverbTailSeconds = 3.0;
constexpr int kRenderBlock = 4096;

void SilentLog(int, const char*, void*) {}

void SilenceFluidLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, SilentLog, nullptr);
    });
}

int16_t ToSample(float value) {
    if (!std::isfinite(value)) return 0;
    const float scaled = std::clamp(value, -1.0f, 1.0f) * 32767.0f;
    return static_cast<int16_t>(std::lrintf(scaled));
}

}  // namespace

Synth::Synth(double sampleRate, const std::string& soundFont, std::function<void()> onTuneEnd)
    : onTuneEnd_(std::move(onTuneEnd)),
      tailFrames_(static_cast<int>(sampleRate * kReverbTailSeconds)),
      left_(kRenderBlock),
      right_(kRenderBlock) {
    SilenceFluidLog();
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings_, "synth.gain", kGain);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    // A new pass must not cut the ring-out of the previous one.
    fluid_settings_setint(settings_, "player.reset-synth", 0);
    synth_ = new_fluid_synth(settings_);
    if (synth_ && !soundFont.empty()) {
        const int id = fluid_synth_sfload(synth_, soundFont.c_str(), 1);
        if (id != FLUID_FAILED) soundFontId_ = id;
    }
}

Synth::~Synth() {
    for (auto& [id, tune] : tunes_) DropPlayer(tune);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

Synth::Tune* Synth::Find(int tune) {
    auto it = tunes_.find(tune);
    return it == tunes_.end() ? nullptr : &it->second;
}

void Synth::DropPlayer(Tune& tune) {
    if (tune.player) delete_fluid_player(tune.player);
    tune.player = nullptr;
}

void Synth::ReleaseNotes() {
    if (!synth_) return;
    for (int channel = 0; channel < 16; ++channel) fluid_synth_all_notes_off(synth_, channel);
}

bool Synth::PastEnd(Tune& tune) {
    if (!tune.player) return true;
    if (fluid_player_get_status(tune.player) == FLUID_PLAYER_DONE) return true;
    // The player reads the file on its first tick; until then it has no
    // length. FluidSynth walks every track to answer, so ask only until then.
    if (tune.totalTicks <= 0) tune.totalTicks = fluid_player_get_total_ticks(tune.player);
    return tune.totalTicks > 0 && fluid_player_get_current_tick(tune.player) >= tune.totalTicks;
}

int Synth::Open(std::vector<unsigned char> smf) {
    std::lock_guard lock(mutex_);
    const int id = nextTune_++;
    tunes_[id].smf = std::move(smf);
    return id;
}

void Synth::Close(int tune) {
    std::lock_guard lock(mutex_);
    Tune* t = Find(tune);
    if (!t) return;
    if (t->playing && !PastEnd(*t)) ReleaseNotes();
    DropPlayer(*t);
    tunes_.erase(tune);
}

void Synth::PlayFromStart(int tune) {
    std::lock_guard lock(mutex_);
    Tune* t = Find(tune);
    if (!t || !synth_) return;
    // Cutting in mid-tune silences it; a tune that has ended rings on into
    // the new pass.
    if (t->playing && !PastEnd(*t)) ReleaseNotes();
    DropPlayer(*t);
    // A fresh player starts exactly at tick 0: a used one cannot be trusted
    // to rewind once it has reached the end.
    t->player = new_fluid_player(synth_);
    t->totalTicks = 0;
    if (t->player) {
        fluid_player_add_mem(t->player, t->smf.data(), t->smf.size());
        fluid_player_play(t->player);
    }
    t->playing = true;
    t->endAnnounced = false;
    quietFrames_ = 0;
}

void Synth::Resume(int tune) {
    bool fresh = false;
    {
        std::lock_guard lock(mutex_);
        Tune* t = Find(tune);
        if (!t || t->playing) return;
        if (t->player && !PastEnd(*t)) {
            fluid_player_play(t->player);
            t->playing = true;
            quietFrames_ = 0;
            return;
        }
        fresh = true;
    }
    if (fresh) PlayFromStart(tune);
}

void Synth::Stop(int tune) {
    std::lock_guard lock(mutex_);
    Tune* t = Find(tune);
    if (!t || !t->playing) return;
    if (t->player && !PastEnd(*t)) fluid_player_stop(t->player);
    ReleaseNotes();
    t->playing = false;
}

bool Synth::IsPlaying(int tune) {
    std::lock_guard lock(mutex_);
    Tune* t = Find(tune);
    return t && t->playing && !PastEnd(*t);
}

void Synth::Render(int16_t* out, int frames) {
    bool ended = false;
    {
        std::lock_guard lock(mutex_);
        bool anyPlaying = false;
        for (auto& [id, tune] : tunes_)
            if (tune.playing && !PastEnd(tune)) anyPlaying = true;
        if (!anyPlaying && synth_ && fluid_synth_get_active_voice_count(synth_) == 0) {
            quietFrames_ = std::min(quietFrames_ + frames, tailFrames_);
        } else {
            quietFrames_ = 0;
        }
        if (!synth_ || quietFrames_ >= tailFrames_) {
            std::memset(out, 0, static_cast<size_t>(frames) * 2 * sizeof(int16_t));
        } else {
            for (int done = 0; done < frames;) {
                const int n = std::min(frames - done, kRenderBlock);
                fluid_synth_write_float(synth_, n, left_.data(), 0, 1, right_.data(), 0, 1);
                // Without instruments the synthesizer only keeps the tune's
                // time, and what it writes then is not always silence: at
                // times it starts out with full-scale noise.
                if (!HasSoundFont()) {
                    std::fill_n(left_.begin(), n, 0.0f);
                    std::fill_n(right_.begin(), n, 0.0f);
                }
                for (int i = 0; i < n; ++i) {
                    out[2 * (done + i)] = ToSample(left_[i]);
                    out[2 * (done + i) + 1] = ToSample(right_[i]);
                }
                done += n;
            }
        }
        for (auto& [id, tune] : tunes_) {
            // A tune that never got going (an unreadable file) must not wake
            // the UI over and over.
            if (tune.playing && !tune.endAnnounced && tune.player && PastEnd(tune) && tune.totalTicks > 0) {
                tune.endAnnounced = true;
                ended = true;
            }
        }
    }
    if (ended && onTuneEnd_) onTuneEnd_();
}

}  // namespace platform::audio
