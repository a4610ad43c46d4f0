#pragma once
// What the audio module hands the program that loads it.
namespace platform::audio {

inline constexpr int kAudioModuleVersion = 1;
inline constexpr const char* kAudioModuleFile = "libpernoka_audio.so";
inline constexpr const char* kAudioModuleEntry = "pernoka_audio_module";

struct AudioModule {
    int version;
    long (*mciSendString)(const char* command, char* reply, unsigned replyLength);
    bool (*sndPlaySound)(const char* file, unsigned flags);
    void (*prepare)();
    void (*shutdown)();
};

}  // namespace platform::audio
