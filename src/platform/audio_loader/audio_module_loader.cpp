// Loads the audio module, checks its version and reports what went wrong.
#include "platform/audio_loader/audio_module_loader.h"

#include <QFileInfo>

#include <cstdio>

#include "platform/audio/audio_module.h"

namespace platform::audio {

const AudioModule* AudioModuleLoader::Get() {
    if (tried_) return module_;
    tried_ = true;
    if (!QFileInfo::exists(library_.fileName())) return nullptr;
    using Entry = const AudioModule* (*)();
    const auto entry = library_.load() ? reinterpret_cast<Entry>(library_.resolve(kAudioModuleEntry)) : nullptr;
    const AudioModule* module = entry ? entry() : nullptr;
    if (!library_.isLoaded()) {
        std::fprintf(stderr, "pernoka: the audio module does not load, so the game is silent: %s\n",
                     qPrintable(library_.errorString()));
    } else if (!module || module->version != kAudioModuleVersion) {
        // A library without the entry is no audio module of this program.
        std::fprintf(stderr, "pernoka: %s is %s, so the game is silent; reinstall the game to mend it\n",
                     qPrintable(library_.fileName()),
                     !entry ? "no audio module (no pernoka_audio_module)"
                            : qPrintable(QStringLiteral("an audio module of version %1, not %2")
                                             .arg(module ? module->version : -1)
                                             .arg(kAudioModuleVersion)));
        module = nullptr;
    }
    module_ = module;
    return module_;
}

}  // namespace platform::audio
