#pragma once
// The sequencer's tunes at play: each open tune's place in its rendered
// PCM, mixed into the device's music stream on the audio thread. Everything
// else runs on the UI thread; one mutex guards the places.
//
// A tune that reaches the end of its pass reports itself stopped, as a
// sequencer does, but plays its next pass on at once, sample for sample,
// ahead of the replay the program's watch sends; the replay ("play from 0"
// or "play") takes that pass over where it stands, so the loop has no gap.
// Without a replay the pass fades out after half a second. What rang on
// after the last event (the notes' release, the reverb) is mixed over the
// next pass, as a synthesizer playing on would.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/audio/rendered_tune.h"

namespace platform::audio {

class PcmPlayer {
public:
    // onPassEnd runs on the audio thread, outside the lock, whenever a
    // playing tune reaches the end of its pass.
    explicit PcmPlayer(std::function<void()> onPassEnd);

    int Add(std::shared_ptr<const RenderedTune> tune);
    // Stops the tune and forgets it.
    void Remove(int id);
    void PlayFromStart(int id);
    // Plays on from where the tune stopped; a tune at its end starts afresh.
    void Resume(int id);
    void Stop(int id);

    enum class Mode { Playing, Stopped, Failed };
    Mode ModeOf(int id);
    // Something is to be heard: a playing tune, or one fading or ringing out.
    bool Sounding();

    // Audio thread: fills frames of interleaved 16-bit stereo.
    void Render(int16_t* out, int frames);

private:
    struct Tune {
        std::shared_ptr<const RenderedTune> pcm;
        int64_t position = 0;  // the next frame of the pass
        bool playing = false;
        bool passEnded = false;  // stopped as far as anyone asks; the next pass plays ahead
        int64_t ahead = 0;       // frames of the next pass played so far ahead of a replay
        int64_t fadeIn = 0;      // frames still to fade in after a resume
    };
    // Frames that sound on by themselves: a ring-out after the pass, or the
    // moments after a stop fading away.
    struct RingOut {
        std::shared_ptr<const RenderedTune> pcm;
        int64_t position = 0;
        int64_t end = -1;  // -1: as far as the renderer goes
        int64_t fade = 0;  // > 0: fades to nothing over this many frames
        int64_t done = 0;
        int64_t delay = 0;  // frames into the buffer being mixed before it starts
    };

    Tune* Find(int id);
    void FadeAway(Tune& tune, int64_t delay = 0);
    void MixTune(Tune& tune, int32_t* mix, int frames, bool& passEnded);
    void MixRingOut(RingOut& ring, int32_t* mix, int frames, bool& finished);

    std::mutex mutex_;
    std::function<void()> onPassEnd_;
    std::map<int, Tune> tunes_;
    std::vector<RingOut> ringOuts_;
    int nextId_ = 1;
    std::vector<int32_t> mix_;  // the audio thread's own
};

}  // namespace platform::audio
