// Loads the audio module, checks its version and reports what went wrong.
#include "platform/audio_loader/audio_module_loader.h"

#include <QFileInfo>

#include <cstdio>

#include "platform/audio/audio_module.h"

namespace platform::audio {

const AudioModule* AudioModuleLoader::Get() {
    if (tried_ || !QFileInfo::exists(library_.fileName())) return module_;
    tried_ = true;
    using Entry = const AudioModule* (*)();
    const auto entry = library_.load() ? reinterpret_cast<Entry>(library_.resolve(kAudioModuleEntry)) : nullptr;
    const AudioModule* module = entry ? entry() : nullptr;
    QString problem;
    if (!library_.isLoaded()) {
        problem = QStringLiteral("does not load: %1").arg(library_.errorString());
    } else if (!entry) {
        problem = QStringLiteral("is no audio module: it lacks %1").arg(QLatin1String(kAudioModuleEntry));
    } else if (!module || module->version != kAudioModuleVersion) {
        problem = QStringLiteral("is an audio module of version %1, not %2; reinstall the game to mend it")
                      .arg(module ? module->version : -1)
                      .arg(kAudioModuleVersion);
    }
    if (!problem.isEmpty())
        std::fprintf(stderr, "pernoka: the game is silent: %s %s\n", qPrintable(library_.fileName()), qPrintable(problem));
    module_ = problem.isEmpty() ? module : nullptr;
    return module_;
}

}  // namespace platform::audio
