#include "platform/audio/mci_command.h"

#include <algorithm>

namespace platform::audio {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::optional<std::vector<std::string>> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const size_t close = text.find('"', i + 1);
            if (close == std::string::npos) return std::nullopt;
            words.push_back(text.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        size_t end = i;
        while (end < text.size() && !IsBlank(text[end])) ++end;
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

}  // namespace

std::string ToLower(std::string text) {
    // ASCII only: keywords are ASCII, and file names are never lowered.
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

std::optional<MciCommand> ParseMciCommand(const std::string& text) {
    auto words = SplitWords(text);
    if (!words || words->empty()) return std::nullopt;
    MciCommand command;
    command.verb = ToLower((*words)[0]);
    if (words->size() > 1) command.target = (*words)[1];
    for (size_t i = 2; i < words->size(); ++i) command.args.push_back(ToLower((*words)[i]));
    return command;
}

}  // namespace platform::audio
