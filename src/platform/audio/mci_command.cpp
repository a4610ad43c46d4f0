// Splits the sequencer's command strings into words.
#include "platform/audio/mci_command.h"

#include <algorithm>

namespace platform::audio {
namespace {

constexpr const char* kBlanks = " \t\r\n";

// The quote that ends the file name of "open" whose opening quote is at
// start: the last quote followed by the keyword "type", so that a file name
// may hold quotes itself (a folder named a"b); without one, the last quote.
size_t ClosingQuoteOfFile(const std::string& text, size_t start) {
    const size_t last = text.rfind('"');
    for (size_t i = last; i != std::string::npos && i > start; i = text.rfind('"', i - 1)) {
        const size_t next = text.find_first_not_of(kBlanks, i + 1);
        if (next != std::string::npos && next > i + 1 && ToLower(text.substr(next, 4)) == "type" &&
            std::min(text.find_first_of(kBlanks, next), text.size()) == next + 4)
            return i;
    }
    return last > start ? last : std::string::npos;
}

}  // namespace

std::string ToLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

std::optional<MciCommand> ParseMciCommand(const std::string& text) {
    std::vector<std::string> words;
    for (size_t i = text.find_first_not_of(kBlanks); i != std::string::npos; i = text.find_first_not_of(kBlanks, i)) {
        size_t end = text.find_first_of(kBlanks, i);
        if (text[i] == '"') {
            end = words.size() == 1 && ToLower(words[0]) == "open" ? ClosingQuoteOfFile(text, i)
                                                                   : text.find('"', i + 1);
            if (end == std::string::npos) return std::nullopt;
            words.push_back(text.substr(i + 1, end++ - i - 1));
        } else {
            words.push_back(text.substr(i, end - i));
        }
        i = end;
    }
    if (words.empty()) return std::nullopt;
    MciCommand command{ToLower(words[0]), words.size() > 1 ? words[1] : "", {}};
    for (size_t i = 2; i < words.size(); ++i) command.args.push_back(ToLower(words[i]));
    return command;
}

}  // namespace platform::audio
