#pragma once
// The background tune looped on the audio thread sample for sample, the
// ring-out of each pass (release, reverb) mixed over the start of the next.
// From a pass end until the next Play it reports itself stopped, as a
// sequencer at its end does, so the program's watch replays it; that replay
// takes over the pass playing on. One mutex guards the places.
#include <mutex>

#include "platform/audio/rendered_tune.h"

namespace platform::audio {

class TuneLoop {
public:
    // From the start, or on without a jump where a pass has ended.
    void Play(std::shared_ptr<const RenderedTune> tune);
    // Fades out within 20 ms, so that cutting a note short makes no click.
    void Stop();
    bool Playing();  // and not past a pass end
    bool Looping();  // playing a tune that did not fail to render
    // Audio thread: adds frames of stereo to mix; true when a pass ended in them.
    bool Mix(int32_t* mix, int frames);
    // Lets go of the tunes no voice plays any more.
    void Release();
    // With the device closed, nothing fades or rings out any more: those
    // voices go, and with them what only they held.
    void DropFading();

private:
    struct Voice {
        std::shared_ptr<const RenderedTune> pcm;
        int64_t position = 0;
        int64_t fadeLeft = 0;  // > 0: fading out, this many frames to go
    };
    static void MixVoice(Voice& voice, int32_t* mix, int frames, bool ringOut);
    // Under the mutex: moves out of held_ the tunes no voice holds, to be
    // freed once it is unlocked.
    std::vector<std::shared_ptr<const RenderedTune>> Unheld();

    std::mutex mutex_;
    Voice pass_;     // the loop itself; no pcm when stopped
    Voice ringOut_;  // what the last pass left sounding
    Voice stopped_;  // a pass cut short, fading
    bool passEnded_ = false;
    std::vector<std::shared_ptr<const RenderedTune>> held_;  // the UI thread's
};

}  // namespace platform::audio
