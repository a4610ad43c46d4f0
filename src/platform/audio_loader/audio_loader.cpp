// audio.h for the program: the engine lives in libpernoka_audio.so beside the
// executable, loaded when a sound is about to play.
#include <QCoreApplication>
#include <QMetaObject>

#include "platform/app_dir.h"
#include "platform/audio/audio.h"
#include "platform/audio/audio_module.h"
#include "platform/audio_loader/audio_module_loader.h"

namespace platform {
namespace {

audio::AudioModuleLoader& Loader() {
    static audio::AudioModuleLoader loader(ProgramFolder() + audio::kAudioModuleFile, [](std::function<void()> work) {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
    });
    return loader;
}

}  // namespace

long mciSendString(const std::string& command, char* reply, unsigned replyLength) {
    return Loader().SendString(command, reply, replyLength);
}

bool sndPlaySound(const char* file, unsigned flags) { return Loader().PlaySound(file, flags); }

void PrepareTune(const std::string& file) { Loader().PrepareTune(file); }

void ShutdownAudio() { Loader().Shutdown(); }

}  // namespace platform
