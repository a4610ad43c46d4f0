#pragma once
// The opened audio: SDL_mixer's device, the tune loop in its music hook and
// the wave player on its channel, and the tune rendered for it on a worker
// thread. The device opens when something is to sound and closes after a few
// idle seconds, and the rendered tune goes with it unless it is open, so a
// silent program costs neither CPU nor memory. UI thread only, but for the
// audio thread's mix.
#include <QTimer>

#include <thread>

#include "platform/audio/tune_loop.h"
#include "platform/audio/wave_player.h"

namespace platform::audio {

struct Engine {
    Engine();
    ~Engine();

    bool EnsureDevice();  // false when not even the silent driver opens
    void CloseDevice();
    // The tune of these bytes, rendered on a worker thread if it is not yet.
    std::shared_ptr<const RenderedTune> Tune(const std::vector<unsigned char>& smf);
    // After each command: with nothing to play, the device closes in a while,
    // counted from the last sound (restart) or the first idle command.
    void Rest(bool restart = false);
    bool Busy() { return loop.Looping() || waves.Playing(); }

    std::string soundFont;
    TuneLoop loop;
    WavePlayer waves;
    std::string alias;                           // lower case; "" when no tune is open
    std::shared_ptr<const RenderedTune> opened;  // the tune open under alias
    std::vector<unsigned char> smf;              // the rendered tune's file
    std::shared_ptr<RenderedTune> tune;
    bool device = false;       // SDL_mixer's, open
    std::string driver;        // of the last opening, "" if even "dummy" failed
    std::string realDriver;    // the last driver that worked, other than "dummy"
    bool silentOnly = false;   // no driver but "dummy" ever worked: go straight to it
    std::vector<int32_t> mix;  // the audio thread's own

private:
    void StopRendering();
    void GoQuiet();

    std::atomic<bool> cancel_{false};
    std::thread renderer_;
    QTimer idle_;
};

// The engine, made on first use; ShutdownAudio destroys it.
Engine& CurrentEngine();

}  // namespace platform::audio
