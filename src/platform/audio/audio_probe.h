#pragma once
// What tests and benchmarks ask of the audio engine besides the program's
// own calls; only they include it, and they link the engine itself.
#include <cstddef>
#include <string>

namespace platform {

// The SDL driver in use ("dummy" after a fallback, "" if none opened);
// opens the device if needed.
std::string AudioDriverName();
// How long the device stays open with nothing playing (5 s unless changed).
void SetAudioIdleCloseDelay(int milliseconds);
bool AudioDeviceOpen();
std::string AudioSoundFont();  // "" when none was found
size_t AudioTuneBytes();       // held by the rendered tune now

}  // namespace platform
