#pragma once
// The background tune: 16 bars in C major at 84 beats a minute (about 45.7 s),
// written to loop: the last bar's dominant leads back into the first bar.
#include <cstdint>
#include <vector>

namespace sound_gen {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kBeatsPerMinute = 84;
inline constexpr int kBars = 16;

std::vector<uint8_t> ComposeTune();

}  // namespace sound_gen
