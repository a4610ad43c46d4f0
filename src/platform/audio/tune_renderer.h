#pragma once
// FluidSynth turning a Standard MIDI File into PCM, as fast as the machine
// allows, with the settings the game's music has always had: its gain, no
// chorus, the soundfont's samples loaded as the tune needs them.
#include <atomic>
#include <string>
#include <vector>

#include "platform/audio/rendered_tune.h"

namespace platform::audio {

inline constexpr int kSampleRate = 44100;

// Renders the tune into `into` and returns once it is complete, has failed
// (no soundfont, a file FluidSynth cannot play) or was cancelled; the
// synthesizer and the soundfont are gone by then. The pass ends where the
// tune's last event is; the ring-out after it lasts until the last voice has
// ended and the reverb has died away (at most a few seconds).
void RenderTune(const std::vector<unsigned char>& smf, const std::string& soundFont, RenderedTune& into,
                const std::atomic<bool>& cancel);

}  // namespace platform::audio
