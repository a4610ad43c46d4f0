// The MIDI sequencer behind mciSendString, and the wave calls: the commands
// the sound operations send, acted on by the engine.
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

// A Standard MIDI File by its header; empty when it is not one.
std::vector<unsigned char> ReadMidiFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) bytes.clear();
    return bytes;
}

long Open(Engine& engine, const MciCommand& command) {
    std::string alias = audio::ToLower(command.target);
    for (size_t i = 0; i + 1 < command.args.size(); i += 2) {
        const std::string& word = command.args[i];
        const std::string& value = command.args[i + 1];
        if (word == "alias") {
            alias = value;
        } else if (word != "type" || value != "sequencer") {
            return kMciBadCommand;
        }
    }
    if (command.target.empty() || command.args.size() % 2 != 0) return kMciBadCommand;
    // One tune at a time.
    if (!engine.alias.empty()) return kMciBadCommand;
    const std::vector<unsigned char> bytes = ReadMidiFile(command.target);
    if (bytes.empty()) return kMciBadFile;
    engine.opened = engine.Tune(bytes);
    engine.alias = alias;
    return kMciOk;
}

long Play(Engine& engine, const MciCommand& command) {
    const bool fromStart = command.args.size() == 2 && command.args[0] == "from" && command.args[1] == "0";
    if (!command.args.empty() && !fromStart) return kMciBadCommand;
    // A tune that could not be rendered is as silent as a missing one.
    if (engine.opened->State() == audio::RenderedTune::Progress::Failed) return kMciBadFile;
    // With no device at all the tune still counts as playing, and never ends.
    engine.EnsureDevice();
    engine.loop.Play(engine.opened);
    return kMciOk;
}

long Status(Engine& engine, const MciCommand& command, char* reply, unsigned replyLength) {
    if (command.args != std::vector<std::string>{"mode"}) return kMciBadCommand;
    if (engine.opened->State() == audio::RenderedTune::Progress::Failed) return kMciBadFile;
    const std::string word = engine.loop.Playing() ? "playing" : "stopped";
    if (reply && replyLength > 0) {
        const size_t n = std::min<size_t>(word.size(), replyLength - 1);
        std::memcpy(reply, word.data(), n);
        reply[n] = '\0';
    }
    return kMciOk;
}

long Send(Engine& engine, const MciCommand& command, char* reply, unsigned replyLength) {
    if (command.verb == "open") return Open(engine, command);
    if (engine.alias.empty() || audio::ToLower(command.target) != engine.alias) return kMciNotOpen;
    if (command.verb == "play") return Play(engine, command);
    if (command.verb == "status") return Status(engine, command, reply, replyLength);
    if (!command.args.empty() || (command.verb != "stop" && command.verb != "close")) return kMciBadCommand;
    engine.loop.Stop();
    if (command.verb == "close") {
        engine.alias.clear();
        engine.opened.reset();
    }
    return kMciOk;
}

}  // namespace

long mciSendString(const std::string& text, char* reply, unsigned replyLength) {
    const auto command = audio::ParseMciCommand(text);
    if (!command) return kMciBadCommand;
    Engine& engine = audio::CurrentEngine();
    const long result = Send(engine, *command, reply, replyLength);
    engine.Rest();
    return result;
}

void sndPlaySound(const char* file) {
    Engine& engine = audio::CurrentEngine();
    if (!file) {
        engine.waves.Stop();
    } else if (engine.EnsureDevice()) {
        engine.waves.Start(file);
        engine.waves.Wait();
    }
    engine.Rest(file != nullptr);
}

void PrepareTune(const std::string& file) {
    const std::vector<unsigned char> bytes = ReadMidiFile(file);
    if (bytes.empty()) return;
    Engine& engine = audio::CurrentEngine();
    engine.Tune(bytes);
    engine.Rest();
}

}  // namespace platform
