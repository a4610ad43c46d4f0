// The entry of libpernoka_audio.so: the engine's functions, as one table.
#include "platform/audio/audio_module.h"

#include "platform/audio/audio.h"

namespace {

constexpr platform::audio::AudioModule kModule = {
    platform::audio::kAudioModuleVersion,
    [](const char* command, char* reply, unsigned length) { return platform::mciSendString(command, reply, length); },
    platform::sndPlaySound,
    [](const char* file) { platform::PrepareTune(file); },
    platform::ShutdownAudio,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const platform::audio::AudioModule* pernoka_audio_module() {
    return &kModule;
}
