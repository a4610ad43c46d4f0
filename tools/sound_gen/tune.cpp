#include "tune.h"

#include <string>

#include "smf_writer.h"

namespace sound_gen {
namespace {

constexpr uint32_t kEighth = kTicksPerQuarter / 2;
constexpr uint32_t kBar = kEighth * 8;
constexpr uint32_t kLength = kBar * kBars;

// General MIDI channels and programs.
constexpr int kMelody = 0, kPad = 1, kArpeggio = 2, kBass = 3, kDrums = 9;
constexpr int kFlute = 73, kStrings = 48, kNylonGuitar = 24, kAcousticBass = 32;
constexpr int kKick = 36, kSideStick = 37, kClosedHat = 42, kOpenHat = 46;

struct Chord {
    int bass;                  // root in the bass register
    std::vector<int> voicing;  // middle register, low to high
};

const Chord C{36, {60, 64, 67}}, Am{45, {57, 60, 64}}, F{41, {57, 60, 65}}, G{43, {55, 59, 62}}, Dm{38, {57, 62, 65}},
    Em{40, {55, 59, 64}}, G7{43, {55, 59, 62, 65}};

// One or two chords a bar; two split it in halves.
const std::vector<std::vector<Chord>> kHarmony = {
    {C}, {Am}, {F}, {G}, {C}, {Am}, {Dm, G}, {C}, {F}, {G}, {Em}, {Am}, {Dm}, {G}, {F, G}, {G7},
};

struct Step {
    int key;  // 0 rests
    int eighths;
};

// Each bar adds up to eight eighths.
const std::vector<std::vector<Step>> kMelodyBars = {
    {{76, 2}, {74, 1}, {76, 1}, {79, 3}, {76, 1}}, {{81, 2}, {79, 1}, {76, 1}, {72, 3}, {74, 1}},
    {{77, 2}, {76, 1}, {77, 1}, {81, 2}, {79, 2}}, {{79, 3}, {77, 1}, {76, 2}, {74, 2}},
    {{76, 2}, {74, 1}, {76, 1}, {79, 2}, {84, 2}}, {{84, 2}, {83, 1}, {81, 1}, {76, 4}},
    {{77, 2}, {81, 2}, {79, 2}, {71, 2}},          {{72, 6}, {0, 2}},
    {{81, 3}, {79, 1}, {77, 2}, {81, 2}},          {{79, 3}, {77, 1}, {74, 2}, {71, 2}},
    {{76, 2}, {79, 2}, {83, 3}, {81, 1}},          {{81, 4}, {76, 2}, {72, 2}},
    {{74, 2}, {77, 2}, {81, 3}, {79, 1}},          {{79, 2}, {74, 2}, {71, 2}, {74, 2}},
    {{84, 2}, {81, 2}, {83, 2}, {79, 2}},          {{77, 3}, {76, 1}, {74, 2}, {71, 2}},
};

void Setup(SmfTrack& track, int channel, int program, int volume, int pan, int reverb) {
    track.Program(0, channel, program);
    track.Control(0, channel, 7, volume);
    track.Control(0, channel, 10, pan);
    track.Control(0, channel, 91, reverb);
    track.Control(0, channel, 93, 0);
}

SmfTrack Conductor() {
    SmfTrack track;
    track.Name(0, "QUIL9702");
    track.TimeSignature(0, 4, 2);
    track.Tempo(0, 60'000'000 / kBeatsPerMinute);
    return track;
}

SmfTrack MelodyTrack() {
    SmfTrack track;
    Setup(track, kMelody, kFlute, 100, 64, 50);
    for (size_t bar = 0; bar < kMelodyBars.size(); ++bar) {
        uint32_t tick = static_cast<uint32_t>(bar) * kBar;
        for (const Step& step : kMelodyBars[bar]) {
            const uint32_t length = step.eighths * kEighth;
            // Slightly detached, so repeated notes speak.
            if (step.key) track.Note(tick, length - 30, kMelody, step.key, 84);
            tick += length;
        }
    }
    return track;
}

template <typename PerChord>
void ForEachChord(PerChord perChord) {
    for (size_t bar = 0; bar < kHarmony.size(); ++bar) {
        const auto& chords = kHarmony[bar];
        const uint32_t span = kBar / static_cast<uint32_t>(chords.size());
        for (size_t i = 0; i < chords.size(); ++i)
            perChord(chords[i], static_cast<uint32_t>(bar) * kBar + static_cast<uint32_t>(i) * span, span);
    }
}

SmfTrack PadTrack() {
    SmfTrack track;
    Setup(track, kPad, kStrings, 72, 40, 70);
    ForEachChord([&](const Chord& chord, uint32_t start, uint32_t span) {
        for (int key : chord.voicing) track.Note(start, span - 10, kPad, key, 46);
    });
    return track;
}

SmfTrack ArpeggioTrack() {
    SmfTrack track;
    Setup(track, kArpeggio, kNylonGuitar, 84, 90, 40);
    ForEachChord([&](const Chord& chord, uint32_t start, uint32_t span) {
        // Up through the chord and its octave, then back down.
        std::vector<int> notes = chord.voicing;
        notes.push_back(chord.voicing.front() + 12);
        const int pattern[] = {0, 1, 2, 3, 2, 1, 2, 3};
        const int steps = static_cast<int>(span / kEighth);
        for (int i = 0; i < steps; ++i) {
            const int index = pattern[i % 8] % static_cast<int>(notes.size());
            track.Note(start + i * kEighth, kEighth, kArpeggio, notes[index], i % 2 ? 40 : 50);
        }
    });
    return track;
}

SmfTrack BassTrack() {
    SmfTrack track;
    Setup(track, kBass, kAcousticBass, 100, 64, 20);
    ForEachChord([&](const Chord& chord, uint32_t start, uint32_t span) {
        const int root = chord.bass, fifth = chord.bass + 7;
        if (span == kBar) {
            track.Note(start, 3 * kEighth - 20, kBass, root, 82);
            track.Note(start + 3 * kEighth, kEighth - 20, kBass, root, 64);
            track.Note(start + 4 * kEighth, 2 * kEighth - 20, kBass, fifth, 74);
            track.Note(start + 6 * kEighth, 2 * kEighth - 20, kBass, root + 12, 70);
        } else {
            track.Note(start, 2 * kEighth - 20, kBass, root, 82);
            track.Note(start + 2 * kEighth, 2 * kEighth - 20, kBass, fifth, 70);
        }
    });
    return track;
}

SmfTrack DrumTrack() {
    SmfTrack track;
    track.Control(0, kDrums, 7, 76);
    track.Control(0, kDrums, 91, 30);
    for (uint32_t bar = 0; bar < kBars; ++bar) {
        const uint32_t start = bar * kBar;
        const bool phraseEnd = bar % 8 == 7;
        for (uint32_t i = 0; i < 8; ++i) {
            const uint32_t tick = start + i * kEighth;
            if (phraseEnd && i == 7)
                track.Note(tick, kEighth, kDrums, kOpenHat, 34);
            else
                track.Note(tick, kEighth, kDrums, kClosedHat, i % 2 ? 26 : 38);
            if (i == 0 || i == 4) track.Note(tick, kEighth, kDrums, kKick, 56);
            if (i == 2 || i == 6) track.Note(tick, kEighth, kDrums, kSideStick, 40);
        }
    }
    return track;
}

}  // namespace

std::vector<uint8_t> ComposeTune() {
    std::vector<SmfTrack> tracks = {Conductor(), MelodyTrack(), PadTrack(), ArpeggioTrack(), BassTrack(), DrumTrack()};
    // Every track ends on the last bar line, so the tune's length is whole
    // bars and the next pass falls on the beat.
    for (SmfTrack& track : tracks) track.End(kLength);
    return SmfFile(tracks, kTicksPerQuarter);
}

}  // namespace sound_gen
