#pragma once
// The short tone played in place of a wave file that cannot be found.
#include <cstdint>
#include <vector>

namespace platform::audio {

// Interleaved 16-bit stereo at sampleRate: a soft 880 Hz tone of 150 ms.
std::vector<int16_t> MakeDefaultBeep(int sampleRate);

}  // namespace platform::audio
