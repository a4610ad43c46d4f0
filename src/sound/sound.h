#pragma once
// The shared module's four sound operations, and the watch that keeps the
// background tune looping.
#include <memory>
#include <optional>
#include <string>

#include "engine/sound_port.h"
#include "platform/event_loop_idle.h"
#include "sound/sound_device.h"

namespace sound {

class Module1Sound final : public engine::SoundPort {
public:
    explicit Module1Sound(std::unique_ptr<SoundDevice> device);

    void MidiPlay(const std::string& file) override;
    void MidiStop() override;
    void WavePlay(const std::string& file) override;
    void WaveStop() override;
    void PrepareTune(const std::string& file) override;

    // One pass of the watch: replays the tune once the sequencer reports it
    // stopped. Runs by itself each time the event loop is about to wait,
    // from the first MidiPlay on.
    void Watch();

private:
    void Send(const std::string& command);

    std::unique_ptr<SoundDevice> device_;
    std::optional<platform::EventLoopIdleHook> watch_;
};

// The real device: sequencer and wave player of the platform layer. Nothing
// is loaded until a sound is about to play, and the audio device opens with
// the first sound.
std::unique_ptr<Module1Sound> CreateSystemSound();

}  // namespace sound
