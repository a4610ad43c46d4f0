#pragma once
#include <cstdint>
#include <random>

#include "engine/random_source.h"

namespace platform {

// The shuffles' generator, seeded from the clock at every game start.
class ClockRandom final : public engine::RandomSource {
public:
    void Randomize() override;
    float Rnd() override;

private:
    std::mt19937 generator_{0x5eed};
};

}  // namespace platform
