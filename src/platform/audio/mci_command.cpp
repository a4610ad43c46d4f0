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

bool IsTypeKeywordAt(const std::string& text, size_t at) {
    if (at + 4 > text.size()) return false;
    for (size_t i = 0; i < 4; ++i)
        if ((text[at + i] | 0x20) != "type"[i]) return false;
    return at + 4 == text.size() || IsBlank(text[at + 4]);
}

// The quote that ends the file name opened at start: the last quote that
// is followed by the keyword "type", so that a file name may hold quotes
// itself (a folder named a"b); without a "type" after it, the last quote.
size_t ClosingQuoteOfFile(const std::string& text, size_t start) {
    size_t lastQuote = std::string::npos;
    for (size_t i = text.size(); i-- > start + 1;) {
        if (text[i] != '"') continue;
        if (lastQuote == std::string::npos) lastQuote = i;
        size_t next = i + 1;
        if (next >= text.size() || !IsBlank(text[next])) continue;
        while (next < text.size() && IsBlank(text[next])) ++next;
        if (IsTypeKeywordAt(text, next)) return i;
    }
    return lastQuote;
}

}  // namespace

std::string ToLower(std::string text) {
    // ASCII only: keywords are ASCII, and file names are never lowered.
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

std::optional<MciCommand> ParseMciCommand(const std::string& text) {
    const size_t verbStart = text.find_first_not_of(" \t\r\n");
    if (verbStart == std::string::npos) return std::nullopt;
    size_t verbEnd = verbStart;
    while (verbEnd < text.size() && !IsBlank(text[verbEnd])) ++verbEnd;
    const std::string verb = ToLower(text.substr(verbStart, verbEnd - verbStart));

    size_t rest = verbEnd;
    std::optional<std::string> quotedFile;
    if (verb == "open") {
        const size_t start = text.find_first_not_of(" \t\r\n", verbEnd);
        if (start != std::string::npos && text[start] == '"') {
            const size_t close = ClosingQuoteOfFile(text, start);
            if (close == std::string::npos) return std::nullopt;
            quotedFile = text.substr(start + 1, close - start - 1);
            rest = close + 1;
        }
    }
    auto words = SplitWords(text.substr(rest));
    if (!words) return std::nullopt;
    MciCommand command;
    command.verb = verb;
    if (quotedFile) words->insert(words->begin(), *quotedFile);
    if (!words->empty()) command.target = (*words)[0];
    for (size_t i = 1; i < words->size(); ++i) command.args.push_back(ToLower((*words)[i]));
    return command;
}

}  // namespace platform::audio
