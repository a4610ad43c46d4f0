// The sound operations wired to the platform's sequencer and wave player.
#include "platform/audio/audio.h"
#include "sound/sound.h"

namespace sound {
namespace {

class SystemSoundDevice final : public SoundDevice {
public:
    long mciSendString(const std::string& command, char* reply, unsigned replyLength) override {
        return platform::mciSendString(command, reply, replyLength);
    }
    void sndPlaySound(const char* file) override { platform::sndPlaySound(file); }
    void PrepareTune(const std::string& file) override { platform::PrepareTune(file); }
};

}  // namespace

std::unique_ptr<Module1Sound> CreateSystemSound() {
    return std::make_unique<Module1Sound>(std::make_unique<SystemSoundDevice>());
}

}  // namespace sound
