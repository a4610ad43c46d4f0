// audio.h for the program: the engine lives in libpernoka_audio.so beside the
// executable, loaded when a sound is about to play.
#include "platform/app_dir.h"
#include "platform/audio/audio.h"
#include "platform/audio/audio_module.h"
#include "platform/audio_loader/audio_module_loader.h"

namespace platform {
namespace {

audio::AudioModuleLoader& Loader() {
    static audio::AudioModuleLoader loader(QString::fromStdString(ProgramFolder() + audio::kAudioModuleFile));
    return loader;
}

}  // namespace

long mciSendString(const std::string& command, char* reply, unsigned replyLength) {
    // Only opening a tune brings the module in: before then nothing is open.
    if (!Loader().Loaded() && command.rfind("open ", 0) != 0) return kMciNotOpen;
    const audio::AudioModule* module = Loader().Get();
    return module ? module->mciSendString(command.c_str(), reply, replyLength) : kMciNotOpen;
}

void sndPlaySound(const char* file) {
    // Nothing can be playing before the module is there.
    if (file || Loader().Loaded())
        if (const audio::AudioModule* module = Loader().Get()) module->sndPlaySound(file);
}

void PrepareTune(const std::string& file) {
    if (const audio::AudioModule* module = Loader().Get()) module->prepareTune(file.c_str());
}

void ShutdownAudio() {
    if (Loader().Loaded()) Loader().Get()->shutdown();
}

}  // namespace platform
