// FluidSynth turning a Standard MIDI File into PCM, with the settings the
// game's music has always had: its gain, no chorus, the soundfont's samples
// loaded as the tune needs them.
#include <fluidsynth.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/audio/rendered_tune.h"

namespace platform::audio {
namespace {

// The densest bar stays clear of full scale, and the clicks stand out above it.
constexpr double kGain = 0.8;
// FluidSynth's own block: the player moves on in steps of it, so the end of
// the pass is found to the frame the synthesizer knows it.
constexpr int kStep = 64;
// After the last voice has ended the reverb rings this long at most; notes
// held forever would ring forever, so the ring-out stops at the latter.
constexpr int64_t kReverbFrames = 3 * kSampleRate;
constexpr int64_t kMaxRingOutFrames = 10 * kSampleRate;

using Step = std::array<int16_t, 2 * kStep>;

// Renders one step; returns whether any sample is not zero.
bool RenderStep(fluid_synth_t* synth, Step& frames) {
    std::array<float, kStep> left{}, right{};
    fluid_synth_write_float(synth, kStep, left.data(), 0, 1, right.data(), 0, 1);
    bool sounding = false;
    for (int i = 0; i < 2 * kStep; ++i) {
        const float value = i % 2 ? right[i / 2] : left[i / 2];
        frames[i] = std::isfinite(value) ? static_cast<int16_t>(std::lrintf(std::clamp(value, -1.0f, 1.0f) * 32767.0f)) : 0;
        sounding = sounding || frames[i] != 0;
    }
    return sounding;
}

// The pass, up to the tune's last event; false for a file the player could
// not read (it ends at once, with no length) or a cancelled render.
bool RenderPass(fluid_synth_t* synth, fluid_player_t* player, RenderedTune& into, const std::atomic<bool>& cancel) {
    Step frames{};
    int totalTicks = 0;
    while (fluid_player_get_status(player) != FLUID_PLAYER_DONE) {
        // The player reads the file on its first tick; until then it has no
        // length. FluidSynth walks every track to answer, so ask only until then.
        if (totalTicks <= 0) totalTicks = fluid_player_get_total_ticks(player);
        if (totalTicks > 0 && fluid_player_get_current_tick(player) >= totalTicks) break;
        if (cancel.load(std::memory_order_relaxed)) return false;
        RenderStep(synth, frames);
        if (!into.Append(frames.data(), kStep)) break;  // an hour is all it gets
    }
    return totalTicks > 0;
}

// What sounds on after the last event, up to its last sound.
void RenderRingOut(fluid_synth_t* synth, RenderedTune& into, const std::atomic<bool>& cancel) {
    Step frames{};
    const Step silence{};
    int64_t quiet = 0, held = 0;  // silent steps not yet appended
    for (int64_t done = 0; done < kMaxRingOutFrames && !cancel.load(std::memory_order_relaxed); done += kStep) {
        const bool sounding = RenderStep(synth, frames);
        quiet = fluid_synth_get_active_voice_count(synth) > 0 ? 0 : quiet + kStep;
        if (quiet >= kReverbFrames) break;
        if (!sounding) {
            held += kStep;
            continue;
        }
        for (; held > 0; held -= kStep) into.Append(silence.data(), kStep);
        if (!into.Append(frames.data(), kStep)) break;
    }
}

}  // namespace

void RenderTune(const std::vector<unsigned char>& smf, const std::string& soundFont, RenderedTune& into,
                const std::atomic<bool>& cancel) {
    static const bool silenced = [] {  // once: FluidSynth's globals
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        // No audio driver of its own, whose settings would probe the system's
        // devices, SDL's too, from this thread while the device opens or closes.
        const char* none[] = {nullptr};
        return fluid_audio_driver_register(none) == FLUID_OK;
    }();
    (void)silenced;
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(settings, "synth.gain", kGain);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);  // one thread uses it
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = nullptr;
    const bool ready = synth && !soundFont.empty() && fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED &&
                       (player = new_fluid_player(synth)) != nullptr &&
                       fluid_player_add_mem(player, smf.data(), smf.size()) == FLUID_OK &&
                       fluid_player_play(player) == FLUID_OK;
    bool rendered = false;
    if (ready && RenderPass(synth, player, into, cancel)) {
        into.MarkPassEnd();
        RenderRingOut(synth, into, cancel);
        rendered = !cancel.load(std::memory_order_relaxed);
    }
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    // The synthesizer and the soundfont's samples were freed on this
    // thread's own heap: hand those pages back to the system now.
    malloc_trim(0);
    rendered ? into.Finish() : into.Fail();
}

}  // namespace platform::audio
