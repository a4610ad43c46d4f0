// audio.h for the program: the engine lives in libpernoka_audio.so beside the
// executable and is loaded on a worker thread the first time sound is near.
// Without the module the game goes on in silence, as with no sound card.
#include <dlfcn.h>

#include <cctype>
#include <future>
#include <mutex>

#include "platform/app_dir.h"
#include "platform/audio/audio.h"
#include "platform/audio/audio_module.h"

namespace platform {
namespace {

using audio::AudioModule;

const AudioModule* Load(const std::string& folder) {
    void* library = dlopen((folder + audio::kAudioModuleFile).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    using Entry = const AudioModule* (*)();
    auto entry = reinterpret_cast<Entry>(dlsym(library, audio::kAudioModuleEntry));
    const AudioModule* module = entry ? entry() : nullptr;
    if (!module || module->version != audio::kAudioModuleVersion) return nullptr;
    // Loading the soundfont follows on the same worker thread.
    module->prepare();
    return module;
}

struct Loader {
    std::mutex mutex;
    std::shared_future<const AudioModule*> module;
    bool started = false;
};

Loader& TheLoader() {
    static Loader loader;
    return loader;
}

void StartLoading() {
    Loader& loader = TheLoader();
    std::lock_guard lock(loader.mutex);
    if (loader.started) return;
    loader.started = true;
    loader.module = std::async(std::launch::async, Load, ProgramFolder()).share();
}

// The module, waiting for it if it is still being loaded; nullptr without one.
const AudioModule* Module() {
    StartLoading();
    return TheLoader().module.get();
}

// The module if loading has begun, else nullptr: stopping or asking about a
// sound that never started must not load the whole engine (Reset and Exit
// stop the sounds whether or not any played).
const AudioModule* ModuleIfStarted() {
    Loader& loader = TheLoader();
    {
        std::lock_guard lock(loader.mutex);
        if (!loader.started) return nullptr;
    }
    return loader.module.get();
}

// Whether the command is "open …", in any letter case.
bool Opens(const std::string& command) {
    const auto start = command.find_first_not_of(' ');
    if (start == std::string::npos || command.size() - start < 5) return false;
    for (int i = 0; i < 4; ++i)
        if (std::tolower(static_cast<unsigned char>(command[start + i])) != "open"[i]) return false;
    return command[start + 4] == ' ';
}

}  // namespace

long mciSendString(const std::string& command, char* reply, unsigned replyLength) {
    const AudioModule* module = Opens(command) ? Module() : ModuleIfStarted();
    // Nothing loaded means nothing was ever opened under any alias.
    return module ? module->mciSendString(command.c_str(), reply, replyLength) : kMciUnknownAlias;
}

bool sndPlaySound(const char* file, unsigned flags) {
    if (!file) {
        const AudioModule* module = ModuleIfStarted();
        return !module || module->sndPlaySound(nullptr, flags);
    }
    const AudioModule* module = Module();
    return module && module->sndPlaySound(file, flags);
}

void PrepareAudio() { StartLoading(); }

void ShutdownAudio() {
    if (const AudioModule* module = ModuleIfStarted()) module->shutdown();
}

}  // namespace platform
