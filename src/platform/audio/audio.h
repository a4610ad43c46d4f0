#pragma once
// The program's sound: a text-command MIDI sequencer and a wave player, both
// mixed into the one audio device. Call everything from the UI thread.
#include <cstddef>
#include <string>

namespace platform {

// Flags of sndPlaySound. 0 plays synchronously and falls back to a beep for a
// file that cannot be played.
inline constexpr unsigned kSndSync = 0x0000;
inline constexpr unsigned kSndAsync = 0x0001;      // return at once
inline constexpr unsigned kSndNoDefault = 0x0002;  // stay silent instead of the beep

// Results of mciSendString; 0 is success. Callers of the game never look.
enum MciResult : long {
    kMciOk = 0,
    kMciUnrecognizedCommand,
    kMciMissingParameter,
    kMciUnrecognizedKeyword,
    kMciUnsupportedDevice,
    kMciUnknownAlias,
    kMciDuplicateAlias,
    kMciFileNotFound,
    kMciInvalidFile,
    kMciOutOfRange,
};

// Understands, with keywords in any letter case:
//   open FILE type sequencer alias NAME   (FILE may be in double quotes)
//   play NAME [from 0]                    (without "from" a stopped tune resumes)
//   stop NAME
//   close NAME
//   status NAME mode                      (reply "playing" or "stopped")
// The reply is written, NUL-terminated and cut to replyLength - 1 characters,
// only when the command succeeds and reply is not null.
//
// A tune is rendered to PCM once, on a worker thread, and looped from
// memory; "open" and "play" return at once and the tune sounds as soon as
// its first second is rendered. A tune that cannot be rendered (no
// soundfont, a file the synthesizer cannot play) is as silent as a missing
// one: play and status fail on it.
long mciSendString(const std::string& command, char* reply, unsigned replyLength);

// Plays a WAV file, or stops any wave sound when file is null.
bool sndPlaySound(const char* file, unsigned flags);

// Starts rendering the tune in file on a worker thread, so that its first
// play does not wait for it. Optional; the device itself opens with the
// first sound.
void PrepareTune(const std::string& file);

// Stops the audio thread and the renderers and releases the device; every
// tune is closed. Safe at any time, also when audio was never opened. The
// next sound opens everything again (under the then current SDL_AUDIODRIVER).
void ShutdownAudio();

// The SDL driver in use ("dummy" after a fallback), "" when none could be
// opened. Opens the device if needed.
std::string AudioDriverName();

// The device is opened for a sound and closed after this long with nothing
// playing (5 s unless changed), so an idle program costs no CPU; the tunes
// rendered for it are let go then too.
void SetAudioIdleCloseDelay(int milliseconds);
bool AudioDeviceOpen();

// The soundfont the tune is played with, "" when none was found.
std::string AudioSoundFont();

// Memory the rendered tunes hold now, in bytes.
size_t AudioTuneBytes();

}  // namespace platform
