// The MIDI sequencer behind mciSendString: tunes opened under an alias and
// played by the synthesizer.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/audio/audio.h"
#include "platform/audio/audio_engine.h"
#include "platform/audio/mci_command.h"

namespace platform {
namespace {

using audio::Engine;
using audio::MciCommand;

bool ReadMidiFile(const std::string& path, std::vector<unsigned char>& bytes, long& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = kMciFileNotFound;
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) {
        error = kMciInvalidFile;
        return false;
    }
    return true;
}

long Open(Engine& engine, const MciCommand& command) {
    if (command.target.empty()) return kMciMissingParameter;
    std::string alias = audio::ToLower(command.target);
    for (size_t i = 0; i < command.args.size(); ++i) {
        const std::string& word = command.args[i];
        if (word == "type" || word == "alias") {
            if (i + 1 >= command.args.size()) return kMciMissingParameter;
            const std::string& value = command.args[++i];
            if (word == "type" && value != "sequencer") return kMciUnsupportedDevice;
            if (word == "alias") alias = value;
        } else if (word != "wait") {
            return kMciUnrecognizedKeyword;
        }
    }
    if (engine.aliases.count(alias)) return kMciDuplicateAlias;
    std::vector<unsigned char> bytes;
    long error = kMciOk;
    if (!ReadMidiFile(command.target, bytes, error)) return error;
    engine.aliases[alias] = engine.synth->Open(std::move(bytes));
    return kMciOk;
}

long Play(Engine& engine, int tune, const MciCommand& command) {
    // With no device at all the tune still counts as playing, and never ends.
    audio::EnsureDevice(engine);
    if (command.args.empty()) {
        engine.synth->Resume(tune);
        return kMciOk;
    }
    if (command.args.size() == 2 && command.args[0] == "from") {
        // The game only ever rewinds to the start.
        if (command.args[1] != "0") return kMciOutOfRange;
        engine.synth->PlayFromStart(tune);
        return kMciOk;
    }
    return kMciUnrecognizedKeyword;
}

long Status(Engine& engine, int tune, const MciCommand& command, char* reply, unsigned replyLength) {
    if (command.args.size() != 1) return kMciMissingParameter;
    if (command.args[0] != "mode") return kMciUnrecognizedKeyword;
    const char* mode = engine.synth->IsPlaying(tune) ? "playing" : "stopped";
    if (reply && replyLength > 0) {
        const size_t n = std::min<size_t>(std::strlen(mode), replyLength - 1);
        std::memcpy(reply, mode, n);
        reply[n] = '\0';
    }
    return kMciOk;
}

}  // namespace

long mciSendString(const std::string& text, char* reply, unsigned replyLength) {
    const auto command = audio::ParseMciCommand(text);
    if (!command) return kMciUnrecognizedCommand;
    const std::string& verb = command->verb;
    if (verb != "open" && verb != "play" && verb != "stop" && verb != "close" && verb != "status")
        return kMciUnrecognizedCommand;

    Engine& engine = audio::CurrentEngine();
    if (verb == "open") return Open(engine, *command);

    const auto found = engine.aliases.find(audio::ToLower(command->target));
    if (found == engine.aliases.end()) return command->target.empty() ? kMciMissingParameter : kMciUnknownAlias;
    const int tune = found->second;
    if (verb == "play") return Play(engine, tune, *command);
    if (verb == "status") return Status(engine, tune, *command, reply, replyLength);
    if (!command->args.empty()) return kMciUnrecognizedKeyword;
    if (verb == "stop") {
        engine.synth->Stop(tune);
    } else {
        engine.synth->Close(tune);
        engine.aliases.erase(found);
    }
    return kMciOk;
}

}  // namespace platform
