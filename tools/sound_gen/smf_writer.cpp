#include "smf_writer.h"

#include <algorithm>
#include <stdexcept>

namespace sound_gen {
namespace {

void PutVarLen(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[5];
    int n = 0;
    bytes[n++] = value & 0x7F;
    while (value >>= 7) bytes[n++] = static_cast<uint8_t>(0x80 | (value & 0x7F));
    while (n) out.push_back(bytes[--n]);
}

void PutBE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint8_t Byte(int value) { return static_cast<uint8_t>(value & 0x7F); }

}  // namespace

void SmfTrack::Add(uint32_t tick, int order, std::vector<uint8_t> data) {
    events_.push_back({tick, order, static_cast<uint32_t>(events_.size()), std::move(data)});
}

void SmfTrack::Tempo(uint32_t tick, uint32_t micros) {
    Add(tick, 1,
        {0xFF, 0x51, 0x03, static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
         static_cast<uint8_t>(micros)});
}

void SmfTrack::TimeSignature(uint32_t tick, int numerator, int denominatorPower) {
    Add(tick, 1, {0xFF, 0x58, 0x04, Byte(numerator), Byte(denominatorPower), 24, 8});
}

void SmfTrack::Name(uint32_t tick, const std::string& name) {
    std::vector<uint8_t> data = {0xFF, 0x03};
    PutVarLen(data, static_cast<uint32_t>(name.size()));
    data.insert(data.end(), name.begin(), name.end());
    Add(tick, 1, std::move(data));
}

void SmfTrack::Program(uint32_t tick, int channel, int program) {
    Add(tick, 1, {static_cast<uint8_t>(0xC0 | channel), Byte(program)});
}

void SmfTrack::Control(uint32_t tick, int channel, int controller, int value) {
    Add(tick, 1, {static_cast<uint8_t>(0xB0 | channel), Byte(controller), Byte(value)});
}

void SmfTrack::Note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
    Add(tick, 2, {static_cast<uint8_t>(0x90 | channel), Byte(key), Byte(velocity)});
    Add(tick + length, 0, {static_cast<uint8_t>(0x80 | channel), Byte(key), 0});
}

std::vector<uint8_t> SmfTrack::Bytes() const {
    std::vector<Event> sorted = events_;
    std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick) return a.tick < b.tick;
        if (a.order != b.order) return a.order < b.order;
        return a.sequence < b.sequence;
    });
    std::vector<uint8_t> body;
    uint32_t now = 0;
    for (const Event& e : sorted) {
        if (e.tick > end_) throw std::logic_error("event after the end of its track");
        PutVarLen(body, e.tick - now);
        body.insert(body.end(), e.data.begin(), e.data.end());
        now = e.tick;
    }
    PutVarLen(body, end_ - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
    PutBE(chunk, static_cast<uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<uint8_t> SmfFile(const std::vector<SmfTrack>& tracks, int ticksPerQuarter) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
    PutBE(out, 6, 4);
    PutBE(out, 1, 2);
    PutBE(out, static_cast<uint32_t>(tracks.size()), 2);
    PutBE(out, static_cast<uint32_t>(ticksPerQuarter), 2);
    for (const SmfTrack& track : tracks) {
        const auto bytes = track.Bytes();
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

}  // namespace sound_gen
