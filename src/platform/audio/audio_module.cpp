// The entry of libpernoka_audio.so: the engine's functions, as one table.
#include "platform/audio/audio_module.h"

#include "platform/audio/audio.h"

namespace {

long SendString(const char* command, char* reply, unsigned replyLength) {
    return platform::mciSendString(command, reply, replyLength);
}

void PrepareTune(const char* file) { platform::PrepareTune(file); }

constexpr platform::audio::AudioModule kModule = {
    platform::audio::kAudioModuleVersion, SendString, platform::sndPlaySound, PrepareTune, platform::ShutdownAudio,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const platform::audio::AudioModule* pernoka_audio_module() {
    return &kModule;
}
