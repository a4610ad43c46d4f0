#include "platform/audio/soundfont_path.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace platform::audio {

const std::vector<std::string>& SoundFontCandidates() {
    static const std::vector<std::string> candidates = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",
    };
    return candidates;
}

std::string FindSoundFont(const std::vector<std::string>& candidates) {
    for (const std::string& path : candidates) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) continue;  // follows the alternatives links
        if (std::ifstream(path, std::ios::binary).good()) return path;
    }
    return {};
}

}  // namespace platform::audio
