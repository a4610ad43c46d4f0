// Stand-ins for libpernoka_audio.so, for the tests of the loader: one that
// answers every call, one of another version, one without the entry at all.
#include "platform/audio/audio_module.h"

namespace {

long SendString(const char*, char*, unsigned) { return 0; }
void PlaySound(const char*) {}
void PrepareTune(const char*) {}
void Shutdown() {}

#ifdef FAKE_WRONG_VERSION
constexpr int kVersion = platform::audio::kAudioModuleVersion + 1;
#else
constexpr int kVersion = platform::audio::kAudioModuleVersion;
#endif

const platform::audio::AudioModule kModule = {kVersion, SendString, PlaySound, PrepareTune, Shutdown};

}  // namespace

#ifndef FAKE_NO_ENTRY
extern "C" const platform::audio::AudioModule* pernoka_audio_module() { return &kModule; }
#endif
