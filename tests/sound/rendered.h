#pragma once
// A tune rendered by the game's own renderer, as plain samples the tests can
// compare with what the device was given.
#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

struct Rendered {
    bool complete = false;
    int64_t passFrames = 0;
    std::vector<int16_t> frames;  // the pass, then its ring-out, interleaved stereo
};

// Renders synchronously; an incomplete result means the renderer failed.
Rendered Render(const std::vector<uint8_t>& smf, const std::string& soundFont);

// What a second pass starts with: its first frames with the first pass's
// ring-out sounding over them.
std::vector<int16_t> LoopSeam(const Rendered& tune);

}  // namespace soundtest
