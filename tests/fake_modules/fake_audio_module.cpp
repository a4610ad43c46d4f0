// Stand-ins for libpernoka_audio.so, for the tests of the loader: one that
// records every call it is handed, one of another version, one without the
// entry at all. The entry of the working one can be held (see GatedEntry) so
// a test sees the loader while the load is still under way.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/audio/audio_module.h"

namespace {

std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}

long SendString(const char* command, char* reply, unsigned replyLength) {
    Calls().push_back(std::string("mci ") + command);
    if (reply && replyLength > 7) std::string("playing").copy(reply, 8);
    if (reply && replyLength > 7) reply[7] = '\0';
    return 0;
}

bool PlaySound(const char* file, unsigned) {
    Calls().push_back(std::string("wave ") + (file ? file : "<null>"));
    return true;
}

void PrepareTune(const char* file) { Calls().push_back(std::string("prepare ") + file); }

void Shutdown() { Calls().push_back("shutdown"); }

#ifdef FAKE_WRONG_VERSION
constexpr int kVersion = platform::audio::kAudioModuleVersion + 1;
#else
constexpr int kVersion = platform::audio::kAudioModuleVersion;
#endif

// While FAKE_AUDIO_MODULE_GATE names a FIFO, the entry returns only once the
// test has opened and closed its other end. Held here rather than in a
// constructor, so the dynamic loader's lock is free meanwhile.
[[maybe_unused]] void GatedEntry() {
    const char* gate = std::getenv("FAKE_AUDIO_MODULE_GATE");
    if (!gate) return;
    const int fd = open(gate, O_RDONLY);
    if (fd < 0) return;
    char byte;
    while (read(fd, &byte, 1) > 0) {}
    close(fd);
}

const platform::audio::AudioModule kModule = {kVersion, SendString, PlaySound, PrepareTune, Shutdown};

}  // namespace

extern "C" const std::vector<std::string>* fake_audio_module_calls() { return &Calls(); }

#ifndef FAKE_NO_ENTRY
extern "C" const platform::audio::AudioModule* pernoka_audio_module() {
    GatedEntry();
    return &kModule;
}
#endif
