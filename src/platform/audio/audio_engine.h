#pragma once
// The opened audio: SDL's device with the tune loop and the wave player
// mixed into it, and the tune rendered for it. The device is opened when
// something is to sound and closed after a few idle seconds, and the rendered
// tune goes with it unless it is open, so a silent program costs neither CPU
// nor memory. UI thread only.
#include <SDL.h>

#include <QTimer>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio/rendered_tune.h"
#include "platform/audio/tune_loop.h"
#include "platform/audio/wave_player.h"

namespace platform::audio {

struct Engine {
    Engine();
    ~Engine();

    // Opens the device if it is closed; false when not even the silent
    // driver opens.
    bool EnsureDevice();
    void CloseDevice();
    // The rendered tune of these bytes, its rendering started if need be.
    std::shared_ptr<const RenderedTune> Tune(const std::vector<unsigned char>& smf);
    // After each command: with nothing to play, the device closes in a
    // while, counted from the last sound (restart) or from the first
    // command that found nothing playing.
    void Rest(bool restart = false);
    size_t TuneBytes() const { return tune_ ? tune_->Bytes() : 0; }

    std::string soundFont;
    TuneLoop loop;
    WavePlayer waves;
    std::string alias;                           // lower case; "" when no tune is open
    std::shared_ptr<const RenderedTune> opened;  // the tune open under alias

    SDL_AudioDeviceID device = 0;
    std::string driver;       // of the last opening, "" if even "dummy" failed
    bool silentOnly = false;  // the real driver failed: go straight to "dummy"
    std::vector<int32_t> mix;  // the audio thread's own

private:
    void StopRendering();
    void GoQuiet();

    std::vector<unsigned char> smf_;
    std::shared_ptr<RenderedTune> tune_;
    std::atomic<bool> cancel_{false};
    std::thread renderer_;
    QTimer idle_;
};

// The engine, made on first use.
Engine& CurrentEngine();

}  // namespace platform::audio
