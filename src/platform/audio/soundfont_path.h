#pragma once
// Where the General MIDI soundfont for the tune is looked for.
#include <string>
#include <vector>

namespace platform::audio {

// The Debian soundfont package's own file first, then the system default.
const std::vector<std::string>& SoundFontCandidates();

// The first candidate that is a readable file, "" if none is.
std::string FindSoundFont(const std::vector<std::string>& candidates = SoundFontCandidates());

}  // namespace platform::audio
