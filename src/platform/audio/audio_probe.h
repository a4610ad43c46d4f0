#pragma once
// What tests and benchmarks ask of the audio engine besides the program's
// own calls; only they include it, and they link the engine itself.
#include <cstddef>
#include <string>

namespace platform {

// The SDL driver in use ("dummy" after a fallback), opening the device if need be.
std::string AudioDriverName();
// How long the device stays open with nothing playing (5 s unless changed).
void SetAudioIdleCloseDelay(int milliseconds);
bool AudioDeviceOpen();
size_t AudioTuneBytes();       // held by the rendered tune now

}  // namespace platform
