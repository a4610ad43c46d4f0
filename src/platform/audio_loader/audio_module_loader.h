#pragma once
// The program's side of the audio module: it is loaded on a worker thread
// the first time a sound is about to play, and the sequencer's commands that
// come meanwhile are held back and handed over, in order, once it is there.
// Nothing waits for it but a wave sound, which must play before it returns.
// A module that exists but does not load, or was built for another program,
// is reported once on stderr; without a module the game is silent.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace platform::audio {

struct AudioModule;

class AudioModuleLoader {
public:
    // post(work) runs work later on the UI thread; it may be called from the
    // loader's worker.
    using Post = std::function<void(std::function<void()> work)>;
    AudioModuleLoader(std::string modulePath, Post post);
    ~AudioModuleLoader();
    AudioModuleLoader(const AudioModuleLoader&) = delete;
    AudioModuleLoader& operator=(const AudioModuleLoader&) = delete;

    // The functions of audio.h, forwarded to the module. UI thread.
    long SendString(const std::string& command, char* reply, unsigned replyLength);
    bool PlaySound(const char* file, unsigned flags);
    void PrepareTune(const std::string& file);
    void Shutdown();

private:
    enum class State { Idle, Loading, Ready, Failed };
    using Call = std::function<void(const AudioModule&)>;

    void StartLoading();
    void Load();
    const AudioModule* WaitForModule();
    // Hands the held-back commands to the loaded module.
    void Flush();
    // The module if it is there (after handing it what was held back), or
    // nullptr; call is held back instead while the module loads.
    const AudioModule* ReadyOrHold(Call call);

    const std::string path_;
    const Post post_;
    std::shared_ptr<AudioModuleLoader*> self_;  // lets a late post find the loader gone
    std::mutex mutex_;
    std::condition_variable settled_;
    State state_ = State::Idle;
    const AudioModule* module_ = nullptr;
    std::vector<Call> held_;
    std::thread worker_;
};

}  // namespace platform::audio
