#pragma once
// What the audio module hands the program that loads it: one table of the
// engine's functions, behind the module's only exported symbol.
namespace platform::audio {

// Raised whenever the table changes: a program never calls into a module
// built for another one.
inline constexpr int kAudioModuleVersion = 3;
inline constexpr const char* kAudioModuleFile = "libpernoka_audio.so";
inline constexpr const char* kAudioModuleEntry = "pernoka_audio_module";

struct AudioModule {
    int version;
    long (*mciSendString)(const char* command, char* reply, unsigned replyLength);
    void (*sndPlaySound)(const char* file);
    void (*prepareTune)(const char* file);
    void (*shutdown)();
};

}  // namespace platform::audio
