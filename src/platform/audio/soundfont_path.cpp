// The search for the tune's soundfont, from the environment to Debian's paths.
#include "platform/audio/soundfont_path.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace platform::audio {
namespace {

// The names Debian's soundfont packages give their files, the one the game
// is tuned to first, each under its data folder.
constexpr const char* kNames[] = {"sounds/sf2/TimGM6mb.sf2", "sounds/sf2/default-GM.sf2", "sounds/sf3/default-GM.sf3"};
// What the XDG base directory rules make of an unset XDG_DATA_DIRS.
constexpr const char* kDefaultDataDirs = "/usr/local/share:/usr/share";
constexpr const char* kSystemDataDir = "/usr/share";

bool Set(const char* value) { return value != nullptr && *value != '\0'; }

void AddOnce(std::vector<std::string>& list, std::string path) {
    if (std::find(list.begin(), list.end(), path) == list.end()) list.push_back(std::move(path));
}

void AddNamesUnder(std::vector<std::string>& list, std::string_view folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
    for (const char* name : kNames) AddOnce(list, std::string(folder) + "/" + name);
}

bool Debugging() {
    const char* flag = std::getenv("PERNOKA_DEBUG_SOUNDFONT");
    return Set(flag) && std::strcmp(flag, "0") != 0;
}

}  // namespace

std::vector<std::string> SoundFontCandidates(const char* namedFile, const char* dataDirs) {
    std::vector<std::string> list;
    if (Set(namedFile)) list.emplace_back(namedFile);
    std::string_view dirs = Set(dataDirs) ? dataDirs : kDefaultDataDirs;
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        const std::string_view folder = dirs.substr(0, colon);
        // The XDG rules want absolute folders; a relative one would
        // depend on the folder the game runs in, which is its own.
        if (!folder.empty() && folder.front() == '/') AddNamesUnder(list, folder);
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    }
    AddNamesUnder(list, kSystemDataDir);
    return list;
}

std::vector<std::string> SoundFontCandidates() {
    return SoundFontCandidates(std::getenv("PERNOKA_SOUNDFONT"), std::getenv("XDG_DATA_DIRS"));
}

std::string FindSoundFont(const std::vector<std::string>& candidates) {
    std::string found;
    for (const std::string& path : candidates) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) continue;  // follows the alternatives links
        if (std::ifstream(path, std::ios::binary).good()) {
            found = path;
            break;
        }
    }
    if (Debugging()) {
        if (found.empty())
            std::fprintf(stderr, "pernoka: no soundfont among %zu places, the tune stays silent\n", candidates.size());
        else
            std::fprintf(stderr, "pernoka: soundfont %s\n", found.c_str());
    }
    return found;
}

}  // namespace platform::audio
