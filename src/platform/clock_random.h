#pragma once
// The random generator of the shuffles.
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "engine/random_source.h"

namespace platform {

// The shuffles' generator, seeded from the clock at every game start. Each
// seed is written to stderr, and PERNOKA_SEED=<n> in the environment seeds
// every start with n instead, so that any board a player reports can be
// dealt again.
class ClockRandom final : public engine::RandomSource {
public:
    void Randomize() override;
    float Rnd() override;

private:
    std::mt19937 generator_{0x5eed};
};

// The seed a PERNOKA_SEED value stands for: a whole decimal number from 0
// to 4294967295, nothing else.
std::optional<std::uint32_t> SeedFromText(const std::string& text);

}  // namespace platform
