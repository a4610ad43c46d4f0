#include "platform/audio_loader/audio_module_loader.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cctype>
#include <cstdio>

#include "platform/audio/audio.h"
#include "platform/audio/audio_module.h"

namespace platform::audio {
namespace {

// Whether the command is "<verb> …" with this verb, in any letter case.
bool IsVerb(const std::string& command, const char* verb) {
    const auto start = command.find_first_not_of(' ');
    if (start == std::string::npos) return false;
    size_t i = 0;
    for (; verb[i]; ++i)
        if (start + i >= command.size() || std::tolower(static_cast<unsigned char>(command[start + i])) != verb[i])
            return false;
    return start + i == command.size() || command[start + i] == ' ';
}

const AudioModule* OpenModule(const std::string& path) {
    struct stat info {};
    // No module at all: a build without sound, nothing to report.
    if (stat(path.c_str(), &info) != 0) return nullptr;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "pernoka: the audio module does not load, so the game is silent: %s\n", dlerror());
        return nullptr;
    }
    using Entry = const AudioModule* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(library, kAudioModuleEntry));
    if (!entry) {
        std::fprintf(stderr, "pernoka: %s is no audio module of this program, so the game is silent: %s\n",
                     path.c_str(), dlerror());
        return nullptr;
    }
    const AudioModule* module = entry();
    if (!module || module->version != kAudioModuleVersion) {
        std::fprintf(stderr,
                     "pernoka: %s is an audio module of version %d, not %d, so the game is silent; reinstall the "
                     "game to mend it\n",
                     path.c_str(), module ? module->version : -1, kAudioModuleVersion);
        return nullptr;
    }
    // The module stays for the life of the process.
    return module;
}

}  // namespace

AudioModuleLoader::AudioModuleLoader(std::string modulePath, Post post)
    : path_(std::move(modulePath)), post_(std::move(post)), self_(std::make_shared<AudioModuleLoader*>(this)) {}

AudioModuleLoader::~AudioModuleLoader() {
    if (worker_.joinable()) worker_.join();
}

void AudioModuleLoader::StartLoading() {
    // Under the lock.
    state_ = State::Loading;
    worker_ = std::thread([this] { Load(); });
}

void AudioModuleLoader::Load() {
    const AudioModule* module = OpenModule(path_);
    {
        std::lock_guard lock(mutex_);
        module_ = module;
        state_ = module ? State::Ready : State::Failed;
    }
    settled_.notify_all();
    std::weak_ptr<AudioModuleLoader*> self = self_;
    post_([self] {
        if (const auto loader = self.lock()) (*loader)->Flush();
    });
}

const AudioModule* AudioModuleLoader::WaitForModule() {
    std::unique_lock lock(mutex_);
    if (state_ == State::Idle) StartLoading();
    settled_.wait(lock, [this] { return state_ == State::Ready || state_ == State::Failed; });
    return module_;
}

void AudioModuleLoader::Flush() {
    std::vector<Call> held;
    const AudioModule* module = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (state_ != State::Ready) {
            if (state_ == State::Failed) held_.clear();
            return;
        }
        held.swap(held_);
        module = module_;
    }
    for (const Call& call : held) call(*module);
}

const AudioModule* AudioModuleLoader::ReadyOrHold(Call call) {
    {
        std::lock_guard lock(mutex_);
        if (state_ == State::Failed) return nullptr;
        if (state_ != State::Ready) {
            if (state_ == State::Idle) StartLoading();
            held_.push_back(std::move(call));
            return nullptr;
        }
    }
    Flush();
    return module_;
}

long AudioModuleLoader::SendString(const std::string& command, char* reply, unsigned replyLength) {
    {
        std::lock_guard lock(mutex_);
        // Only opening a tune brings the module in: stopping or asking about
        // a tune before then has nothing to act on.
        if (state_ == State::Idle && !IsVerb(command, "open")) return kMciUnknownAlias;
        // A question cannot wait for its answer; until the module is there
        // the tune is not known to anyone.
        if (state_ == State::Loading && IsVerb(command, "status")) return kMciUnknownAlias;
    }
    const AudioModule* module =
        ReadyOrHold([command](const AudioModule& loaded) { loaded.mciSendString(command.c_str(), nullptr, 0); });
    if (!module) {
        std::lock_guard lock(mutex_);
        return state_ == State::Failed ? kMciUnknownAlias : kMciOk;
    }
    return module->mciSendString(command.c_str(), reply, replyLength);
}

bool AudioModuleLoader::PlaySound(const char* file, unsigned flags) {
    if (!file) {
        // Nothing can be playing before the module is there.
        std::lock_guard lock(mutex_);
        if (state_ != State::Ready) return true;
    } else if (!WaitForModule()) {
        return false;
    }
    Flush();
    return module_->sndPlaySound(file, flags);
}

void AudioModuleLoader::PrepareTune(const std::string& file) {
    if (const AudioModule* module =
            ReadyOrHold([file](const AudioModule& loaded) { loaded.prepareTune(file.c_str()); }))
        module->prepareTune(file.c_str());
}

void AudioModuleLoader::Shutdown() {
    {
        std::lock_guard lock(mutex_);
        if (state_ == State::Idle || state_ == State::Failed) return;
    }
    if (const AudioModule* module = WaitForModule()) module->shutdown();
}

}  // namespace platform::audio
