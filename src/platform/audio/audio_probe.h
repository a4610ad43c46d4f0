#pragma once
// What tests and benchmarks ask of the audio engine besides the program's
// own calls; only they include it, and they link the engine itself.
#include <cstddef>
#include <string>

namespace platform {

std::string AudioDriverName();                  // in use ("dummy" after a fallback); opens the device
void SetAudioIdleCloseDelay(int milliseconds);  // with nothing playing; 5 s unless changed
bool AudioDeviceOpen();
bool AudioDeviceStalled();  // its audio thread stopped mixing, and has not mixed since
size_t AudioTuneBytes();    // held by the rendered tune now

}  // namespace platform
