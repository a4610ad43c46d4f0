#pragma once
// What the tests and benchmarks ask of the audio engine besides the
// program's own calls. Linked only with the engine itself.
#include <cstddef>
#include <string>

namespace platform {

// The SDL driver in use ("dummy" after a fallback), "" when none could be
// opened. Opens the device if needed.
std::string AudioDriverName();

// How long the device stays open with nothing playing (5 s unless changed).
void SetAudioIdleCloseDelay(int milliseconds);
bool AudioDeviceOpen();

// The soundfont the tune is played with, "" when none was found.
std::string AudioSoundFont();

// Memory the rendered tune holds now, in bytes.
size_t AudioTuneBytes();

}  // namespace platform
