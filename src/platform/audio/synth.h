#pragma once
// One FluidSynth synthesizer with its soundfont loaded once, and a player per
// open tune. The audio thread renders through Render(); everything else runs
// on the UI thread. One mutex guards the synthesizer and the players.
#include <fluidsynth.h>

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace platform::audio {

class Synth {
public:
    // An empty soundFont leaves the synthesizer without instruments: tunes
    // run their course in silence.
    Synth(double sampleRate, const std::string& soundFont, std::function<void()> onTuneEnd);
    ~Synth();
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    bool HasSoundFont() const { return soundFontId_ >= 0; }

    // A tune from the bytes of a Standard MIDI File; returns its id.
    int Open(std::vector<unsigned char> smf);
    void Close(int tune);
    void PlayFromStart(int tune);
    void Resume(int tune);
    void Stop(int tune);
    // Playing and not yet past its last event.
    bool IsPlaying(int tune);

    // Audio thread: fills frames of interleaved 16-bit stereo. Calls the
    // tune-end listener (outside the lock) when a tune passes its last event.
    void Render(int16_t* out, int frames);

private:
    struct Tune {
        std::vector<unsigned char> smf;
        fluid_player_t* player = nullptr;
        bool playing = false;
        bool endAnnounced = false;
        int totalTicks = 0;  // of the player, once it has read the file
    };
    static bool PastEnd(Tune& tune);
    void ReleaseNotes();
    void DropPlayer(Tune& tune);
    Tune* Find(int tune);

    std::mutex mutex_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int soundFontId_ = -1;
    std::function<void()> onTuneEnd_;
    std::map<int, Tune> tunes_;
    int nextTune_ = 1;
    int quietFrames_ = 0;
    int tailFrames_ = 0;
    std::vector<float> left_, right_;
};

}  // namespace platform::audio
