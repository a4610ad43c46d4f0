#pragma once
// The two wave sounds, synthesised: mono samples in -1..1 at kWaveRate.
#include <vector>

namespace sound_gen {

inline constexpr int kWaveRate = 44100;

// A soft, short wooden click for each move: 60 ms.
std::vector<double> MakePop();
// A rising bell figure settling on a C major chord: 2.2 s.
std::vector<double> MakeGameEnd();

}  // namespace sound_gen
