// The MIDI sequencer behind mciSendString: tunes opened under an alias,
// rendered to PCM once and played by the player.
#include <algorithm>
#include <cstring>

#include "platform/audio/audio.h"
#include "platform/audio/audio_engine.h"
#include "platform/audio/mci_command.h"

namespace platform {
namespace {

using audio::Engine;
using audio::MciCommand;
using audio::PcmPlayer;

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
    if (const long error = audio::ReadMidiFile(command.target, bytes); error != kMciOk) return error;
    engine.aliases[alias] = engine.player.Add(engine.tunes.Get(bytes));
    return kMciOk;
}

long Play(Engine& engine, int tune, const MciCommand& command) {
    const bool fromStart = command.args.size() == 2 && command.args[0] == "from";
    if (!command.args.empty() && !fromStart) return kMciUnrecognizedKeyword;
    // The game only ever rewinds to the start.
    if (fromStart && command.args[1] != "0") return kMciOutOfRange;
    // A tune that could not be rendered is as silent as a missing one.
    if (engine.player.ModeOf(tune) == PcmPlayer::Mode::Failed) return kMciInvalidFile;
    // With no device at all the tune still counts as playing, and never ends.
    audio::EnsureDevice(engine);
    if (fromStart) {
        engine.player.PlayFromStart(tune);
    } else {
        engine.player.Resume(tune);
    }
    return kMciOk;
}

long Status(Engine& engine, int tune, const MciCommand& command, char* reply, unsigned replyLength) {
    if (command.args.size() != 1) return kMciMissingParameter;
    if (command.args[0] != "mode") return kMciUnrecognizedKeyword;
    const PcmPlayer::Mode mode = engine.player.ModeOf(tune);
    if (mode == PcmPlayer::Mode::Failed) return kMciInvalidFile;
    const char* word = mode == PcmPlayer::Mode::Playing ? "playing" : "stopped";
    if (reply && replyLength > 0) {
        const size_t n = std::min<size_t>(std::strlen(word), replyLength - 1);
        std::memcpy(reply, word, n);
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
        engine.player.Stop(tune);
    } else {
        engine.player.Remove(tune);
        engine.aliases.erase(found);
    }
    return kMciOk;
}

}  // namespace platform
