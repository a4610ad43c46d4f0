#pragma once
// A fixed-seed generator so the drawn assets come out byte-identical on every
// run; std::mt19937 would do, but the standard distributions are not
// guaranteed to give the same numbers across library implementations.
#include <cstdint>

namespace assets {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        // SplitMix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return n <= 0 ? 0 : int(next() % std::uint64_t(n)); }
    bool chance(double p) { return unit() < p; }

private:
    std::uint64_t state_;
};

}  // namespace assets
