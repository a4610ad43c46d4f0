#pragma once
// The program's side of the audio module: libpernoka_audio.so is loaded on
// the UI thread the first time a sound is about to play. A module that exists
// but cannot be used is reported once on stderr and the game stays silent;
// a build without a module is silent without a word.
#include <QLibrary>

namespace platform::audio {

struct AudioModule;

class AudioModuleLoader {
public:
    explicit AudioModuleLoader(const QString& path) : library_(path) {}
    // The module's table, nullptr for a silent game; loads on the first call.
    const AudioModule* Get();
    bool Loaded() const { return tried_ && module_; }

private:
    QLibrary library_;
    bool tried_ = false;
    const AudioModule* module_ = nullptr;
};

}  // namespace platform::audio
