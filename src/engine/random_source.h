#pragma once
// The uniform generator of the shuffles, injectable for tests.
namespace engine {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds the generator from the clock.
    virtual void Randomize() = 0;
    // Next value in [0, 1).
    virtual float Rnd() = 0;
};

}  // namespace engine
