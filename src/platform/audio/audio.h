#pragma once
// The program's sound: a text-command MIDI sequencer for the background tune
// and a wave player, mixed into one device that opens with the first sound
// and closes after a few idle seconds. UI thread only; ShutdownAudio must run
// before the QApplication goes, whose are the idle timer and the wake-ups.
#include <string>

namespace platform {

// Results of mciSendString; 0 is success. The game never looks.
enum MciResult : long {
    kMciOk = 0,
    kMciBadCommand,  // a verb or keyword the sequencer does not know, or a second open
    kMciNotOpen,     // no tune is open under that alias
    kMciBadFile,     // missing, not a MIDI file, or one the synthesizer cannot play
};

// Understands, keywords in any letter case: open FILE type sequencer alias
// NAME (FILE may be in double quotes), play NAME [from 0], stop NAME, close
// NAME, status NAME mode (reply "playing" or "stopped", NUL-terminated, cut
// to replyLength - 1 characters). The tune loops by itself, the ring-out of
// each pass sounding over the start of the next; from a pass end until the
// next play, status answers "stopped".
long mciSendString(const std::string& command, char* reply, unsigned replyLength);

// Plays a WAV file and returns once it has ended; a file that cannot be
// played sounds the default beep. A null file stops any wave sound.
void sndPlaySound(const char* file);

// Starts rendering the tune in file, so that its first play need not wait.
void PrepareTune(const std::string& file);

// Stops the audio thread and the renderer, releases the device and closes the
// tune. Safe at any time; the next sound opens everything again.
void ShutdownAudio();

}  // namespace platform
