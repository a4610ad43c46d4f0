#include "platform/clock_random.h"

#include <chrono>

namespace platform {

void ClockRandom::Randomize() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

float ClockRandom::Rnd() {
    // 24 random bits scaled by 2^-24: every value is a float strictly below 1,
    // which a float distribution's rounding does not promise.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace platform
