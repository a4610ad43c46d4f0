#include "platform/audio/tune_renderer.h"

#include <fluidsynth.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <mutex>

namespace platform::audio {
namespace {

// Low enough that the densest bar of the tune stays clear of full scale and
// the click sounds stand out above it.
constexpr double kGain = 0.8;
// FluidSynth's own block: the player moves on in steps of it, so the end of
// the pass is found to the frame the synthesizer knows it.
constexpr int kStep = 64;
// After the last voice has ended the reverb rings this long at most.
constexpr int64_t kReverbFrames = 3 * kSampleRate;
// Notes held forever would ring forever; the ring-out stops here.
constexpr int64_t kMaxRingOutFrames = 10 * kSampleRate;

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
    return static_cast<int16_t>(std::lrintf(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

struct Fluid {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;

    ~Fluid() {
        if (player) delete_fluid_player(player);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

// Renders one step into frames; returns whether any sample is not zero.
bool RenderStep(fluid_synth_t* synth, std::array<int16_t, 2 * kStep>& frames) {
    std::array<float, kStep> left{}, right{};
    fluid_synth_write_float(synth, kStep, left.data(), 0, 1, right.data(), 0, 1);
    bool sounding = false;
    for (int i = 0; i < kStep; ++i) {
        frames[2 * i] = ToSample(left[i]);
        frames[2 * i + 1] = ToSample(right[i]);
        sounding = sounding || frames[2 * i] != 0 || frames[2 * i + 1] != 0;
    }
    return sounding;
}

bool PastLastEvent(fluid_player_t* player, int& totalTicks) {
    if (fluid_player_get_status(player) == FLUID_PLAYER_DONE) return true;
    // The player reads the file on its first tick; until then it has no
    // length. FluidSynth walks every track to answer, so ask only until then.
    if (totalTicks <= 0) totalTicks = fluid_player_get_total_ticks(player);
    return totalTicks > 0 && fluid_player_get_current_tick(player) >= totalTicks;
}

bool RenderPass(Fluid& fluid, RenderedTune& into, const std::atomic<bool>& cancel) {
    std::array<int16_t, 2 * kStep> frames{};
    int totalTicks = 0;
    while (!PastLastEvent(fluid.player, totalTicks)) {
        if (cancel.load(std::memory_order_relaxed)) return false;
        RenderStep(fluid.synth, frames);
        if (!into.Append(frames.data(), kStep)) break;  // an hour is all it gets
    }
    // A file the player could not read ends at once, with no length.
    return totalTicks > 0;
}

void RenderRingOut(Fluid& fluid, RenderedTune& into, const std::atomic<bool>& cancel) {
    std::array<int16_t, 2 * kStep> frames{};
    const std::array<int16_t, 2 * kStep> silence{};
    int64_t quiet = 0, held = 0;  // silent steps not yet appended: the ring-out ends at its last sound
    for (int64_t done = 0; done < kMaxRingOutFrames; done += kStep) {
        if (cancel.load(std::memory_order_relaxed)) return;
        const bool sounding = RenderStep(fluid.synth, frames);
        const bool voices = fluid_synth_get_active_voice_count(fluid.synth) > 0;
        quiet = voices ? 0 : quiet + kStep;
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
    SilenceFluidLog();
    bool rendered = false;
    {
        Fluid fluid;
        fluid_settings_setnum(fluid.settings, "synth.sample-rate", kSampleRate);
        fluid_settings_setnum(fluid.settings, "synth.gain", kGain);
        fluid_settings_setint(fluid.settings, "synth.chorus.active", 0);
        fluid_settings_setint(fluid.settings, "synth.dynamic-sample-loading", 1);
        fluid_settings_setint(fluid.settings, "synth.threadsafe-api", 0);  // one thread uses it
        fluid.synth = new_fluid_synth(fluid.settings);
        const bool ready = fluid.synth && !soundFont.empty() &&
                           fluid_synth_sfload(fluid.synth, soundFont.c_str(), 1) != FLUID_FAILED &&
                           (fluid.player = new_fluid_player(fluid.synth)) != nullptr &&
                           fluid_player_add_mem(fluid.player, smf.data(), smf.size()) == FLUID_OK &&
                           fluid_player_play(fluid.player) == FLUID_OK;
        if (ready && RenderPass(fluid, into, cancel)) {
            into.MarkPassEnd();
            RenderRingOut(fluid, into, cancel);
            rendered = !cancel.load(std::memory_order_relaxed);
        }
    }
    // The synthesizer and the soundfont's samples were freed on this
    // thread's own heap: hand those pages back to the system now.
    malloc_trim(0);
    if (rendered) {
        into.Finish();
    } else {
        into.Fail();
    }
}

}  // namespace platform::audio
