#pragma once
// Where the General MIDI soundfont for the tune is looked for.
#include <string>
#include <vector>

namespace platform::audio {

// In this order: the file PERNOKA_SOUNDFONT names; TimGM6mb.sf2 and
// default-GM.sf2 in sounds/sf2, and default-GM.sf3 in sounds/sf3, of each
// folder of XDG_DATA_DIRS (/usr/local/share and /usr/share when it is unset),
// which covers other prefixes and /app/share; then the same files under
// /usr/share/sounds.
std::vector<std::string> SoundFontCandidates();

// The same from the two variables' values; a null or empty value is unset.
std::vector<std::string> SoundFontCandidates(const char* namedFile, const char* dataDirs);

// The first candidate that is a readable file, "" if none is. With
// PERNOKA_DEBUG_SOUNDFONT set (not to 0), says on stderr which it took.
std::string FindSoundFont(const std::vector<std::string>& candidates = SoundFontCandidates());

}  // namespace platform::audio
