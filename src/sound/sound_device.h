#pragma once
// The multimedia calls the sound operations make: textual commands to the
// MIDI sequencer, wave playback, and the tune rendered ahead.
#include <string>

namespace sound {

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // replyLength counts the terminating NUL; reply may be null with length 0.
    virtual long mciSendString(const std::string& command, char* reply, unsigned replyLength) = 0;
    // Plays synchronously (flags 0), with the default beep for a file that
    // cannot be played; a null file stops any wave sound.
    virtual void sndPlaySound(const char* file) = 0;
    // Starts rendering the tune in file off the UI thread; cheap when it is
    // rendered.
    virtual void PrepareTune(const std::string& file) = 0;
};

}  // namespace sound
