#pragma once
// Writes mono 16-bit PCM WAV files.
#include <string>
#include <vector>

namespace sound_gen {

// Samples in -1..1 (clamped). Returns false when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<double>& samples, int sampleRate);

}  // namespace sound_gen
