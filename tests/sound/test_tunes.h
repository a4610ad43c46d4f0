#pragma once
// Short MIDI files for the tests, written to a temporary folder: 120 beats a
// minute, 480 ticks a beat, so 960 ticks a second.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace soundtest {

struct Hit {
    double seconds;  // when the note starts
    int key;         // percussion key on channel 10 (76 = high wood block)
};

// Short percussion hits without reverb, so each one stands out of silence;
// the tune ends (its last event) at lengthSeconds.
std::vector<uint8_t> PercussionTune(const std::vector<Hit>& hits, double lengthSeconds);

// One note held from the start to the end, with reverb: it rings on after
// the tune's last event.
std::vector<uint8_t> HeldNoteTune(double lengthSeconds);

// This test process's own temporary folder, removed when the process ends.
const std::filesystem::path& TempFolder();

// Writes bytes into a fresh file under that folder; returns its path.
std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace soundtest
