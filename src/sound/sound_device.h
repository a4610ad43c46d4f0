#pragma once
// The two multimedia calls the sound operations make: textual commands to
// the MIDI sequencer, and wave playback.
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
};

}  // namespace sound
