#pragma once
// Splits an MCI command string into its verb, its device or file, and the
// remaining words. Words are separated by blanks; a word in double quotes
// may hold blanks. The quoted file name of "open" may hold quotes as well:
// it ends at the last quote before the keyword "type".
#include <optional>
#include <string>
#include <vector>

namespace platform::audio {

struct MciCommand {
    std::string verb;               // lower case
    std::string target;             // as written, quotes removed
    std::vector<std::string> args;  // lower case
};

// nullopt for an empty command or an unclosed quote.
std::optional<MciCommand> ParseMciCommand(const std::string& text);

std::string ToLower(std::string text);

}  // namespace platform::audio
