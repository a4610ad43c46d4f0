#pragma once
// Splits a sequencer command into its verb, its alias or file, and the other
// words, at blanks; a word in double quotes may hold blanks, and the quoted
// file of "open" quotes too: it ends at the last quote before "type".
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
std::string ToLower(std::string text);  // ASCII letters only

}  // namespace platform::audio
