#pragma once
// A small Standard MIDI File (format 1) writer: events are added at absolute
// ticks in any order and written sorted, with delta times.
#include <cstdint>
#include <string>
#include <vector>

namespace sound_gen {

class SmfTrack {
public:
    void Tempo(uint32_t tick, uint32_t microsPerQuarter);
    void TimeSignature(uint32_t tick, int numerator, int denominatorPower);
    void Name(uint32_t tick, const std::string& name);
    void Program(uint32_t tick, int channel, int program);
    void Control(uint32_t tick, int channel, int controller, int value);
    // Note on at `tick`, note off `length` ticks later.
    void Note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
    // The track ends here; no event may come later.
    void End(uint32_t tick) { end_ = tick; }

    std::vector<uint8_t> Bytes() const;

private:
    struct Event {
        uint32_t tick;
        int order;  // note-offs before other events at the same tick
        uint32_t sequence;
        std::vector<uint8_t> data;
    };
    void Add(uint32_t tick, int order, std::vector<uint8_t> data);

    std::vector<Event> events_;
    uint32_t end_ = 0;
};

// Format 1 file with the given ticks per quarter note.
std::vector<uint8_t> SmfFile(const std::vector<SmfTrack>& tracks, int ticksPerQuarter);

}  // namespace sound_gen
