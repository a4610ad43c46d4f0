// The shuffles' generator: seeded from the clock, or from PERNOKA_SEED.
#include "platform/clock_random.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace platform {

std::optional<std::uint32_t> SeedFromText(const std::string& text) {
    std::uint32_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seed);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return seed;
}

void ClockRandom::Randomize() {
    std::optional<std::uint32_t> seed;
    // An empty value is how a shell unsets a variable for one command.
    const char* fixed = std::getenv("PERNOKA_SEED");
    if (fixed && *fixed) {
        seed = SeedFromText(fixed);
        if (!seed) std::fprintf(stderr, "pernoka: PERNOKA_SEED=%s is not a seed; the clock seeds instead\n", fixed);
    }
    if (!seed) {
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        seed = static_cast<std::uint32_t>(now ^ (now >> 32));
    }
    std::fprintf(stderr, "pernoka: shuffle seed %u\n", static_cast<unsigned>(*seed));
    generator_.seed(*seed);
}

float ClockRandom::Rnd() {
    // 24 random bits scaled by 2^-24: every value is a float strictly below 1,
    // which a float distribution's rounding does not promise.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace platform
