#pragma once
// The opened audio: SDL_mixer's device, the tune loop in its music hook and
// the wave player on its channel, and the tune rendered for it on a worker
// thread. The device opens when something is to sound and closes after a few
// idle seconds, and the rendered tune goes with it unless it is open, so a
// silent program costs neither CPU nor memory. UI thread only, but for the
// audio thread's mix.
//
// Sound comes back by itself. With no output the silent driver stands in,
// and the real one is tried again only once a server or device appears (the
// watch) or SDL reports the device gone: never with each sound. A device
// whose audio thread stops (a frozen server) is waited on once, then passed
// over until it mixes again, and never closed meanwhile, as closing would
// wait on that server too.
#include <QTimer>

#include <thread>

#include "platform/audio/server_watch.h"
#include "platform/audio/tune_loop.h"
#include "platform/audio/wave_player.h"

namespace platform::audio {

struct Engine {
    Engine();
    ~Engine();

    bool EnsureDevice();  // false when not even the silent driver opens
    void CloseDevice();
    // Plays a wave and waits for its end, unless the device has stopped mixing.
    void PlayWave(const std::string& file);
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
    bool device = false;               // SDL_mixer's, open
    std::string driver;                // of the last opening, "" if even "dummy" failed
    std::string realDriver;            // the last driver that worked, other than "dummy"
    bool tryReal = true;               // a driver other than "dummy" may open now
    std::vector<int32_t> mix;          // the audio thread's own
    std::atomic<uint64_t> mixes{0};    // the audio thread's count of its mixes
    std::atomic<bool> stalled{false};  // it stopped; it clears this itself once it mixes

    // The audio thread mixes again after a stall.
    void Recovered();

private:
    void StopRendering();
    void GoQuiet();
    void ServerAppeared();
    void Reopen();

    std::atomic<bool> cancel_{false};
    std::thread renderer_;
    QTimer idle_;
    bool reopenPending_ = false;  // a server appeared while the device was stalled
    uint64_t mixesAtRest_ = 0;    // the audio thread's count when the idle wait began
    std::unique_ptr<ServerWatch> watch_;
};

// The engine, made on first use; ShutdownAudio destroys it.
Engine& CurrentEngine();

}  // namespace platform::audio
