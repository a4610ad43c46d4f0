#include "sound/sound.h"

#include <algorithm>
#include <cctype>

namespace sound {
namespace {

// The reply buffer holds 16 characters; the sequencer is told 15, so its
// reply always leaves a blank or its terminator in the last one.
constexpr unsigned kMidiModeLength = 15;

}  // namespace

Module1Sound::Module1Sound(std::unique_ptr<SoundDevice> device) : device_(std::move(device)) {}

void Module1Sound::Send(const std::string& command) { device_->mciSendString(command, nullptr, 0); }

void Module1Sound::MidiPlay(const std::string& file) {
    MidiStop();
    // Quoted, so that a program folder with a blank in its path still plays.
    Send("open \"" + file + "\" type sequencer alias midifile");
    Send("play midifile from 0");
    if (!watch_) watch_.emplace([this] { Watch(); });
}

void Module1Sound::MidiStop() {
    Send("stop midifile ");
    Send("close midifile");
}

void Module1Sound::WavePlay(const std::string& file) { device_->sndPlaySound(file.c_str()); }

void Module1Sound::WaveStop() { device_->sndPlaySound(nullptr); }

void Module1Sound::PrepareTune(const std::string& file) { device_->PrepareTune(file); }

void Module1Sound::Watch() {
    std::string MidiMode(16, ' ');
    // A failed query leaves the blanks, which never read as stopped.
    device_->mciSendString("status midifile mode", MidiMode.data(), kMidiModeLength);
    std::string mode = MidiMode.substr(0, 7);
    std::transform(mode.begin(), mode.end(), mode.begin(), [](unsigned char c) { return std::toupper(c); });
    if (mode == "STOPPED") Send("play midifile from 0");
}

}  // namespace sound
