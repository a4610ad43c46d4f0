// The textual sequencer command parser, on any text at all.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/audio/mci_command.h"

namespace {

bool HasUpperCase(const std::string& word) {
    for (const char c : word)
        if (c >= 'A' && c <= 'Z') return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto command = platform::audio::ParseMciCommand(text);
    if (!command) return 0;
    // Keywords come out in lower case, and no word is longer than the text.
    size_t letters = command->verb.size() + command->target.size();
    if (HasUpperCase(command->verb)) std::abort();
    for (const std::string& word : command->args) {
        if (HasUpperCase(word)) std::abort();
        letters += word.size();
    }
    if (letters > text.size()) std::abort();
    return 0;
}
