// The MIDI sequencer behind mciSendString, and the wave calls: the commands
// the sound operations send, acted on by the engine.
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/audio/audio.h"
#include "platform/audio/audio_engine.h"
#include "platform/audio/mci_command.h"

namespace platform {
namespace {

using audio::Engine;

// A Standard MIDI File by its header; empty when it is not one.
std::vector<unsigned char> ReadMidiFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) bytes.clear();
    return bytes;
}

// "open FILE type sequencer alias NAME", one tune at a time.
long Open(Engine& engine, const audio::MciCommand& command) {
    const std::vector<std::string>& args = command.args;
    if (args.size() != 4 || args[0] != "type" || args[1] != "sequencer" || args[2] != "alias" || !engine.alias.empty())
        return kMciBadCommand;
    const std::vector<unsigned char> bytes = ReadMidiFile(command.target);
    if (bytes.empty()) return kMciBadFile;
    engine.opened = engine.Tune(bytes);
    engine.alias = args[3];
    return kMciOk;
}

long Send(Engine& engine, const audio::MciCommand& command, char* reply, unsigned replyLength) {
    if (command.verb == "open") return Open(engine, command);
    if (engine.alias.empty() || audio::ToLower(command.target) != engine.alias) return kMciNotOpen;
    const std::vector<std::string>& args = command.args;
    // A tune that could not be rendered is as silent as a missing one.
    const bool failed = engine.opened->State() == audio::RenderedTune::Progress::Failed;
    if (command.verb == "play" && (args.empty() || args == std::vector<std::string>{"from", "0"})) {
        if (failed) return kMciBadFile;
        // With no device at all the tune still counts as playing, and never ends.
        engine.EnsureDevice();
        engine.loop.Play(engine.opened);
    } else if (command.verb == "status" && args == std::vector<std::string>{"mode"}) {
        if (failed) return kMciBadFile;
        const std::string word = engine.loop.Playing() ? "playing" : "stopped";
        if (reply && replyLength > 0) {
            const size_t n = std::min<size_t>(word.size(), replyLength - 1);
            std::memcpy(reply, word.data(), n);
            reply[n] = '\0';
        }
    } else if ((command.verb == "stop" || command.verb == "close") && args.empty()) {
        engine.loop.Stop();
        if (command.verb == "close") {
            engine.alias.clear();
            engine.opened.reset();
        }
    } else {
        return kMciBadCommand;
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
    } else {
        engine.PlayWave(file);
    }
    engine.Rest(file != nullptr);
}

void PrepareTune(const std::string& file) {
    const std::vector<unsigned char> bytes = ReadMidiFile(file);
    if (bytes.empty()) return;
    audio::CurrentEngine().Tune(bytes);
    audio::CurrentEngine().Rest();
}

}  // namespace platform
